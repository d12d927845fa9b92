// The record commands when the store fails them, as the player meets it: a write
// refused by the store, a lock another copy holds, a store that cannot be read, a link
// another user planted. The error box says what failed and why, and nothing the player
// entered is lost.
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "RecordFixture.h"
#include "TopFiveText.h"
#include "platform/Languages.h"

using namespace vantrel;
using namespace vantrel::testing;

class RecordFailuresTest : public QObject, private RecordFixture {
    Q_OBJECT

private slots:
    void init() { StartCase(); }
    void cleanup() { EndCase(); }

    void refusedWriteEndsTheCheckBeforeTheRedraw()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        RefuseWrites();
        form->HighScoreView = True;  // a redraw would paint the Top 5 view
        MarkSurface(*form);
        desktop_->nameAnswer = "X";
        form->GameTotal() = 121;
        FormProbe(*form).RunHandler([&] { FormProbe(*form).CheckHighScore(); });
        QCOMPARE(ErrorHeadlines(), QStringList{"Failed to set data for 'fRegInfo'"});
        QCOMPARE(desktop_->errors[0].section('\n', 1),
                 StoreFile() + ": machine.reg.lock is not a regular file of one name");
        QVERIFY(SurfaceStillMarked(*form));
        QCOMPARE(FormProbe(*form).Record().TopName(2), std::string("X"));  // pending, not stored
        QCOMPARE(*Stored(), BytesOf(ExampleRecord()));
    }

    void refusedSaveAtTheEndOfAGameLeavesTheNextGameReady()
    {
        auto form = StartForm();
        form->Random().Seed(0);  // a deal whose game scores, so an entry is made
        RefuseWrites();
        FormProbe(*form).RunHandler([&] { form->NewGame(); });
        for (int round = 1; round <= 5; ++round) {
            if (round > 1) {
                form->StartNextRound();
            }
            // Each placement runs as the mouse release does, inside the handler guard;
            // sixteen passes over the four hands fill any round.
            for (int pass = 0; form->Placing != False; ++pass) {
                QVERIFY2(pass < 16, "the round never ended: a hand refused every card");
                for (int column = 2; column <= 5 && form->Placing != False; ++column) {
                    FormProbe(*form).RunHandler([&] { form->PlaceCard(column); });
                }
            }
        }
        QCOMPARE(ErrorHeadlines(), QStringList{"Failed to set data for 'fRegInfo'"});
        QCOMPARE(form->Board(1, 1), int(NextPrompt));
        QVERIFY(form->GameTotal() > 0);
        QCOMPARE(FormProbe(*form).Record().TopScore(1), form->GameTotal());
        FormProbe(*form).RunHandler([&] { form->NewGame(); });
        QCOMPARE(form->RoundNo, 1);
    }

    // Whatever keeps the store from being read, the game starts from the defaults,
    // not from an all-zero record.
    void storeThatCannotBeReadStartsFromTheDefaults()
    {
        QFile blocker(dir_->filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto form = StartForm(blocker.fileName() + "/machine.reg");
        QCOMPARE(TopFiveText(FormProbe(*form).Record()),
                 QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QVERIFY(MenuItem(*form, "MenuOptionsPlayRegGameItem")->isChecked());
        QVERIFY(!MenuItem(*form, "MenuOptionsRelaxedRulesItem")->isChecked());
        QCOMPARE(form->RegularRules, True);
        QVERIFY(!MenuItem(*form, "MenuOptionsSetLargeCards")->isChecked());
        QVERIFY(!MenuItem(*form, "MenuOptionsAltColorsItem")->isChecked());
        form->GameTotal() = 12;
        FormProbe(*form).RunHandler([&] { FormProbe(*form).CheckHighScore(); });
        QCOMPARE(desktop_->prompts.size(), 1);
        QCOMPARE(desktop_->prompts[0].preset, QString("Please enter your name!"));
        // The save cannot be made and the player is told; the entry lives in memory
        // and View shows it.
        QCOMPARE(ErrorHeadlines(), QStringList{"Failed to set data for 'fRegInfo'"});
        MenuItem(*form, "MenuGameHighScoresItem")->trigger();
        QCOMPARE(FormProbe(*form).Record().TopScore(1), 12);
        MenuItem(*form, "MenuGameQuitItem")->trigger();
        QCOMPARE(desktop_->errors.size(), 2);
        QVERIFY(form->isVisible());
    }

    // Another copy holds the lock while a game ends: the box names the file and the
    // lock, in the player's language, the entry stays pending through View High Scores,
    // and the next save that succeeds (Quit, or the close box, which saves nothing else)
    // stores it once.
    void entryRefusedByABusyLockIsStoredByTheNextSave_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("error");  // %1 is the store file
        QTest::newRow("Quit") << true << ""
                              << "Failed to set data for 'fRegInfo'\n"
                                 "%1: another program holds machine.reg.lock";
        QTest::newRow("close box, on a German desktop")
            << false << "de"
            << "Die Daten für 'fRegInfo' konnten nicht gespeichert werden\n"
               "%1: ein anderes Programm hält machine.reg.lock";
    }

    void entryRefusedByABusyLockIsStoredByTheNextSave()
    {
        QFETCH(bool, quit);
        QFETCH(QString, language);
        QFETCH(QString, error);
        const ProgramLanguage texts({language});
        texts.Install();
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        MenuItem(*form, "MenuOptionsSetLargeCards")->trigger();
        const int lock = HoldLock();
        desktop_->nameAnswer = "Lee";
        form->GameTotal() = 121;
        FormProbe(*form).RunHandler([&] { FormProbe(*form).CheckHighScore(); });
        QCOMPARE(desktop_->errors, QStringList{error.arg(StoreFile())});
        MenuItem(*form, "MenuGameHighScoresItem")->trigger();
        QCOMPARE(TopFiveText(FormProbe(*form).Record()),
                 QString("150 A, 121 Lee, 120 B, 120 C, 90 D"));
        QCOMPARE(FormProbe(*form).Record().LastName(), std::string("Lee"));
        ::close(lock);
        if (quit) {
            MenuItem(*form, "MenuGameQuitItem")->trigger();
        } else {
            form->close();
        }
        QVERIFY(!form->isVisible());
        QCOMPARE(desktop_->errors.size(), 1);
        StoredRecord stored;
        LoadStoredRecord(MachineAt(StoreFile()), stored);
        QCOMPARE(TopFiveText(stored), QString("150 A, 121 Lee, 120 B, 120 C, 90 D"));
        QCOMPARE(int(stored.LargeCards()), quit ? 1 : 0);
    }

    // Reading takes no lock: with another copy holding it, the game starts at once
    // from the defaults and makes no file.
    void startupWithTheLockHeldReadsWithoutWaiting()
    {
        const int lock = HoldLock();
        auto form = StartForm();
        QVERIFY(MenuItem(*form, "MenuOptionsPlayRegGameItem")->isChecked());
        QCOMPARE(FormProbe(*form).Record().LastName(), std::string("Please enter your name!"));
        QVERIFY(!QFileInfo::exists(StoreFile()));
        ::close(lock);
    }

    // Another user left a link to one of the player's files at the store's name:
    // the game starts from the defaults, every save is refused with the error box,
    // and the player's file is neither written nor changed in mode.
    void plantedStoreLinkIsNeverFollowed()
    {
        const QString victim = dir_->filePath(QStringLiteral("profile"));
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the player's own file\n");
        file.close();
        const QFileDevice::Permissions mode = QFileInfo(victim).permissions();
        QVERIFY(QFile::link(victim, StoreFile()));
        auto form = StartForm();
        QCOMPARE(TopFiveText(FormProbe(*form).Record()),
                 QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QVERIFY(MenuItem(*form, "MenuOptionsPlayRegGameItem")->isChecked());
        desktop_->nameAnswer = "X";
        form->GameTotal() = 40;
        FormProbe(*form).RunHandler([&] { FormProbe(*form).CheckHighScore(); });
        desktop_->confirmAnswer = true;
        MenuItem(*form, "MenuOptionsResetHighItem")->trigger();
        MenuItem(*form, "MenuGameQuitItem")->trigger();
        QCOMPARE(ErrorHeadlines(), QStringList(3, "Failed to set data for 'fRegInfo'"));
        QCOMPARE(desktop_->errors[0].section('\n', 1), StoreFile() + ": it is a link");
        QVERIFY(form->isVisible());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the player's own file\n"));
        QCOMPARE(QFileInfo(victim).permissions(), mode);
        QVERIFY(QFileInfo(StoreFile()).isSymLink());
    }

    void quitWithARefusedWriteKeepsTheWindowOpen()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        RefuseWrites();
        MenuItem(*form, "MenuGameQuitItem")->trigger();
        QCOMPARE(ErrorHeadlines(), QStringList{"Failed to set data for 'fRegInfo'"});
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(RecordFailuresTest)
#include "test_record_failures.moc"
