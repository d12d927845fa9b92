// The record and the top-five list through the real window: start-up loads, the
// end-of-game check with its name prompt, Reset and View High Scores, and Quit against
// the close box across runs.
#include <QtTest>

#include <QDir>
#include <QFileInfo>

#include "RecordFixture.h"
#include "TopFiveText.h"

using namespace vantrel;
using namespace vantrel::testing;

class RecordCommandsTest : public QObject, private RecordFixture {
    Q_OBJECT

private slots:
    void init() { StartCase(); }
    void cleanup() { EndCase(); }

    // Start-up only reads: no file, no lock file, no key is made before the first save.
    void firstRunLoadsDefaultsAndWritesNothing()
    {
        auto form = StartForm();
        QCOMPARE(TopFiveText(FormProbe(*form).Record()),
                 QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QCOMPARE(FormProbe(*form).Record().LastName(), std::string("Please enter your name!"));
        QVERIFY(MenuItem(*form, "MenuOptionsPlayRegGameItem")->isChecked());
        QVERIFY(!MenuItem(*form, "MenuOptionsSetLargeCards")->isChecked());
        QVERIFY(!MenuItem(*form, "MenuOptionsAltColorsItem")->isChecked());
        MenuItem(*form, "MenuGameHighScoresItem")->trigger();
        QCOMPARE(QDir(QFileInfo(StoreFile()).path()).entryList({"machine.reg*"}), QStringList());
    }

    void firstGameOnANewMachineStoresTheDefaultName()
    {
        auto form = StartForm();
        EndGameWith(*form, 10);
        QCOMPARE(desktop_->prompts.size(), 1);
        QCOMPARE(desktop_->prompts[0].title, QString("New High Score"));
        QCOMPARE(desktop_->prompts[0].prompt, QString("Please enter your name:"));
        QCOMPARE(desktop_->prompts[0].preset, QString("Please enter your name!"));
        QCOMPARE(form->FinalTotal, 10);
        QCOMPARE(FormProbe(*form).Record().TopName(1), std::string("Please enter your name!"));
        QCOMPARE(*Stored(), BytesOf(FormProbe(*form).Record()));
    }

    void placeAndPromptThroughTheWindow_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("after");
        QTest::newRow("121") << 121 << "150 A, 121 X, 120 B, 120 C, 90 D";
        QTest::newRow("0") << 0 << "150 A, 120 B, 120 C, 90 D, 0 None";
        QTest::newRow("151") << 151 << "151 X, 150 A, 120 B, 120 C, 90 D";
    }

    void placeAndPromptThroughTheWindow()
    {
        QFETCH(int, total);
        QFETCH(QString, after);
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        desktop_->nameAnswer = "X";
        EndGameWith(*form, total);
        QCOMPARE(TopFiveText(FormProbe(*form).Record()), after);
        // No name is asked for a total that enters nothing, but the game is saved.
        QCOMPARE(desktop_->prompts.size(), total == 0 ? 0 : 1);
        QCOMPARE(FormProbe(*form).Record().LastName(), std::string(total == 0 ? "Kim" : "X"));
        if (total != 0) {
            QCOMPARE(desktop_->prompts[0].preset, QString("Kim"));
        }
        QCOMPARE(*Stored(), BytesOf(FormProbe(*form).Record()));
    }

    void cancelEntersTheScoreUnderTheDefault()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        EndGameWith(*form, 95);  // the seam answers a cancel with the preset
        QCOMPARE(TopFiveText(FormProbe(*form).Record()),
                 QString("150 A, 120 B, 120 C, 95 Kim, 90 D"));
    }

    void namesAreCutAndKeptAsSingleByteText()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        desktop_->nameAnswer = "abcdefghijklmnopqrstuvwxyz1234";
        EndGameWith(*form, 200);
        QCOMPARE(FormProbe(*form).Record().TopName(1), std::string("abcdefghijklmnopqrstuvw"));
        desktop_->nameAnswer =
            QString::fromUtf8("Zo\xC3\xAB \xE2\x82\xAC e\xCC\x81");  // e + combining acute
        EndGameWith(*form, 199);
        QCOMPARE(FormProbe(*form).Record().TopName(2), std::string("Zo\xEB \x80 \xE9"));
        EndGameWith(*form, 198);  // the default shows the stored bytes as Windows-1252
        QCOMPARE(desktop_->prompts.last().preset,
                 QString::fromUtf8("Zo\xC3\xAB \xE2\x82\xAC \xC3\xA9"));
        desktop_->nameAnswer = "";
        // The Top 5 view shows the stored bytes as Windows-1252 too.
        QCOMPARE(FormProbe(*form).TopScores()[1].name,
                 QString::fromUtf8("Zo\xC3\xAB \xE2\x82\xAC \xC3\xA9"));
        EndGameWith(*form, 197);
        QCOMPARE(FormProbe(*form).Record().TopName(4), std::string());
        QCOMPARE(FormProbe(*form).Record().LastName(), std::string());
        desktop_->nameAnswer = QString();
        EndGameWith(*form, 196);
        QCOMPARE(desktop_->prompts.last().preset, QString());
    }

    // The save at the end of a game adds to what the store holds now: what another
    // copy stored meanwhile stays, and so do the stored flags.
    void gameBelowEveryEntryStillSavesIntoWhatIsStoredNow()
    {
        StoredRecord stored = ExampleRecord();
        stored.SetTopScore(5, 50);
        StoreRecord(stored);
        auto form = StartForm();
        StoredRecord other = ExampleRecord();  // another copy's save meanwhile
        other.SetTopScore(5, 60);
        other.SetAltColors(1);
        StoreRecord(other);
        MenuItem(*form, "MenuOptionsSetLargeCards")->trigger();  // a check mark, not the record
        EndGameWith(*form, 40);
        QVERIFY(desktop_->prompts.isEmpty());
        QCOMPARE(*Stored(), BytesOf(other));
        QCOMPARE(TopFiveText(FormProbe(*form).Record()), TopFiveText(other));
        QCOMPARE(int(FormProbe(*form).Record().LargeCards()), 0);
    }

    // Two copies of the game at once: each entry joins the list as the store holds it
    // when it is saved, and a copy that only quits takes nothing away.
    void twoCopiesKeepEachOthersEntries()
    {
        auto first = StartForm();
        auto second = StartForm();
        auto idle = StartForm();
        desktop_->nameAnswer = "Ann";
        EndGameWith(*first, 112);
        desktop_->nameAnswer = "Bob";
        EndGameWith(*second, 128);
        QCOMPARE(TopFiveText(FormProbe(*second).Record()),
                 QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        MenuItem(*idle, "MenuOptionsAltColorsItem")->trigger();
        MenuItem(*idle, "MenuGameQuitItem")->trigger();
        QVERIFY(!idle->isVisible());
        MenuItem(*first, "MenuGameHighScoresItem")->trigger();
        QCOMPARE(TopFiveText(FormProbe(*first).Record()),
                 QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        QCOMPARE(int(FormProbe(*first).Record().AltColors()), 1);
        QVERIFY(desktop_->errors.isEmpty());
    }

    void successfulCheckRedrawsTheTable()
    {
        auto form = StartForm();
        form->HighScoreView = True;
        MarkSurface(*form);
        EndGameWith(*form, 5);
        QVERIFY(!SurfaceStillMarked(*form));
    }

    void resetAnsweredCancelChangesNothing()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        MenuItem(*form, "MenuOptionsResetHighItem")->trigger();
        QCOMPARE(desktop_->questions,
                 QStringList{"Confirm|Do you really want to reset the High Scores?"});
        QCOMPARE(TopFiveText(FormProbe(*form).Record()), TopFiveText(ExampleRecord()));
        QCOMPARE(*Stored(), BytesOf(ExampleRecord()));
    }

    void resetAnsweredOkStoresAnEmptyListAndKeepsTheName()
    {
        StoredRecord stored = ExampleRecord();
        stored.bytes()[14] = 0x7E;
        StoreRecord(stored);
        auto form = StartForm();
        form->HighScoreView = True;
        MarkSurface(*form);
        desktop_->confirmAnswer = true;
        MenuItem(*form, "MenuOptionsResetHighItem")->trigger();
        QVERIFY(SurfaceStillMarked(*form));  // nothing is redrawn
        QCOMPARE(TopFiveText(FormProbe(*form).Record()),
                 QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QCOMPARE(FormProbe(*form).Record().LastName(), std::string("Kim"));
        const QByteArray saved = *Stored();
        QCOMPARE(saved, BytesOf(FormProbe(*form).Record()));
        QCOMPARE(quint8(saved[14]), quint8(0x7E));
    }

    void viewHighScoresShowsWhatTheStoreHolds()
    {
        auto form = StartForm();
        StoreRecord(ExampleRecord());  // written meanwhile by another copy
        MenuItem(*form, "MenuGameHighScoresItem")->trigger();
        QCOMPARE(TopFiveText(FormProbe(*form).Record()), TopFiveText(ExampleRecord()));
        QCOMPARE(form->HighScoreView, True);
    }

    void largeCardsSurviveQuitButNotTheCloseBox()
    {
        auto first = StartForm();
        MenuItem(*first, "MenuOptionsSetLargeCards")->trigger();
        QVERIFY(MenuItem(*first, "MenuOptionsSetLargeCards")->isChecked());
        first->close();
        first.reset();

        auto second = StartForm();
        QVERIFY(!MenuItem(*second, "MenuOptionsSetLargeCards")->isChecked());
        QCOMPARE(FormProbe(*second).CardWidth(), 71);
        MenuItem(*second, "MenuOptionsSetLargeCards")->trigger();
        MenuItem(*second, "MenuOptionsAltColorsItem")->trigger();
        FormProbe(*second).RunHandler([&] { second->MenuOptionsRelaxedRulesItemClick(); });
        MenuItem(*second, "MenuGameQuitItem")->trigger();
        QVERIFY(!second->isVisible());
        second.reset();

        auto third = StartForm();
        QVERIFY(MenuItem(*third, "MenuOptionsSetLargeCards")->isChecked());
        QVERIFY(FormProbe(*third).CardWidth() > 71);
        QVERIFY(MenuItem(*third, "MenuOptionsAltColorsItem")->isChecked());
        QVERIFY(MenuItem(*third, "MenuOptionsRelaxedRulesItem")->isChecked());
        const QByteArray stored = *Stored();
        QCOMPARE(int(stored[StoredRecord::PlayRegGameOffset]), 0);
        QCOMPARE(int(stored[StoredRecord::AltColorsOffset]), 1);
        QCOMPARE(int(stored[StoredRecord::LargeCardsOffset]), 1);
    }
};

QTEST_MAIN(RecordCommandsTest)
#include "test_record_commands.moc"
