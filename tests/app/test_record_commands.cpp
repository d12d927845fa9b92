// The record and the top-five list through the real window: start-up loads, the
// end-of-game check with its name prompt, Reset and View High Scores, Quit against the
// close box across runs, and the two store failures as the player meets them.
#include <QAction>
#include <QDir>
#include <QtTest>

#include <memory>
#include <string>

#include "FakeDesktop.h"
#include "PrivateStores.h"
#include "TopFiveText.h"
#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"
#include "engine/Random.h"
#include "paint/Canvas.h"
#include "paint/PaintBox.h"
#include "store/RecordStore.h"

using namespace vantrel;

using vantrel::testing::TopFiveText;

namespace {

const QString Value = QStringLiteral("fRegInfo");

Registry MachineAt(const QString& file)
{
    return Registry(RegistryRoot::Machine, StoreLocation{file, false});
}

QByteArray BytesOf(const StoredRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), StoredRecord::Size);
}

}  // namespace

class RecordCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::FakeDesktop> desktop_;

    QString StoreFile() const { return dir_->filePath(QStringLiteral("machine.reg")); }

    std::optional<QByteArray> Stored() const
    {
        auto key = MachineAt(StoreFile()).openExisting(RecordKeyPath);
        return key ? key->readBytes(Value) : std::nullopt;
    }

    void StoreRecord(const StoredRecord& record)
    {
        auto key = MachineAt(StoreFile()).open(RecordKeyPath);
        QVERIFY(key);
        QVERIFY(key->writeBinary(Value, BytesOf(record)));
    }

    // The store's lock file replaced by a folder: the key opens and reads, every write
    // is refused (whoever runs the test).
    void RefuseWrites()
    {
        QFile::remove(StoreFile() + ".lock");
        QVERIFY(QDir().mkpath(StoreFile() + ".lock"));
    }

    std::unique_ptr<TVantrelForm> StartForm()
    {
        auto form = std::make_unique<TVantrelForm>();
        form->show();
        return form;
    }

    // The list of the worked example, with a last name of its own.
    static StoredRecord ExampleRecord()
    {
        StoredRecord record;
        record.SetRecordDefaults();
        const int scores[] = {150, 120, 120, 90, 0};
        const char* names[] = {"A", "B", "C", "D", "None"};
        for (int entry = 1; entry <= 5; ++entry) {
            record.SetTopScore(entry, scores[entry - 1]);
            record.SetTopName(entry, names[entry - 1]);
        }
        record.SetLastName("Kim");
        return record;
    }

    void EndGameWith(TVantrelForm& form, int total)
    {
        form.GameTotal() = total;
        form.CheckHighScore();
    }

    void MarkSurface(TVantrelForm& form)
    {
        form.canvas().SetBrushColour(Qt::magenta);
        form.canvas().FillRect(0, 0, 400, 300);
    }

    bool SurfaceStillMarked(const TVantrelForm& form) const
    {
        return form.paintBox->Surface().pixelColor(200, 200) == QColor(Qt::magenta);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        testing::UsePrivateStores(*dir_);
        desktop_ = std::make_unique<testing::FakeDesktop>();
        // A first run as far as the donation reminder knows: it stays away today, so
        // closing the window shows no dialog.
        LoadDonateState(QCoreApplication::applicationFilePath());
    }

    void cleanup() { desktop_.reset(); }

    void firstRunLoadsDefaultsAndCreatesNoValue()
    {
        auto form = StartForm();
        QCOMPARE(TopFiveText(form->Record), QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QCOMPARE(form->Record.LastName(), std::string("Please enter your name!"));
        QVERIFY(form->MenuOptionsPlayRegGameItem->isChecked());
        QVERIFY(!form->MenuOptionsSetLargeCards->isChecked());
        QVERIFY(!form->MenuOptionsAltColorsItem->isChecked());
        QVERIFY(MachineAt(StoreFile()).openExisting(RecordKeyPath));
        QVERIFY(!Stored());
        // A later load that again finds no value keeps the name held in memory.
        form->Record.SetLastName("Lee");
        form->LoadRecord();
        QCOMPARE(form->Record.LastName(), std::string("Lee"));
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
        QCOMPARE(form->Record.TopName(1), std::string("Please enter your name!"));
        QCOMPARE(*Stored(), BytesOf(form->Record));
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
        QCOMPARE(TopFiveText(form->Record), after);
        // No name is asked for a total that enters nothing, but the game is saved.
        QCOMPARE(desktop_->prompts.size(), total == 0 ? 0 : 1);
        QCOMPARE(form->Record.LastName(), std::string(total == 0 ? "Kim" : "X"));
        if (total != 0) {
            QCOMPARE(desktop_->prompts[0].preset, QString("Kim"));
        }
        QCOMPARE(*Stored(), BytesOf(form->Record));
    }

    void cancelEntersTheScoreUnderTheDefault()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        EndGameWith(*form, 95);  // the seam answers a cancel with the preset
        QCOMPARE(TopFiveText(form->Record), QString("150 A, 120 B, 120 C, 95 Kim, 90 D"));
    }

    void namesAreCutAndKeptAsSingleByteText()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        desktop_->nameAnswer = "abcdefghijklmnopqrstuvwxyz1234";
        EndGameWith(*form, 200);
        QCOMPARE(form->Record.TopName(1), std::string("abcdefghijklmnopqrstuvw"));
        desktop_->nameAnswer =
            QString::fromUtf8("Zo\xC3\xAB \xE2\x82\xAC e\xCC\x81");  // e + combining acute
        EndGameWith(*form, 199);
        QCOMPARE(form->Record.TopName(2), std::string("Zo\xEB \x80 \xE9"));
        EndGameWith(*form, 198);  // the default shows the stored bytes as Latin-1
        QCOMPARE(desktop_->prompts.last().preset,
                 QString::fromUtf8("Zo\xC3\xAB \xE2\x82\xAC \xC3\xA9"));
        desktop_->nameAnswer = "";
        // The Top 5 view shows the stored bytes as Windows-1252 too.
        QCOMPARE(form->TopScores()[1].name, QString::fromUtf8("Zo\xC3\xAB \xE2\x82\xAC \xC3\xA9"));
        EndGameWith(*form, 197);
        QCOMPARE(form->Record.TopName(4), std::string());
        QCOMPARE(form->Record.LastName(), std::string());
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
        form->MenuOptionsSetLargeCards->trigger();  // a check mark, not the record
        EndGameWith(*form, 40);
        QVERIFY(desktop_->prompts.isEmpty());
        QCOMPARE(*Stored(), BytesOf(other));
        QCOMPARE(TopFiveText(form->Record), TopFiveText(other));
        QCOMPARE(int(form->Record.LargeCards()), 0);
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
        QCOMPARE(TopFiveText(second->Record), QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        idle->MenuOptionsAltColorsItem->trigger();
        idle->MenuGameQuitItem->trigger();
        QVERIFY(!idle->isVisible());
        first->MenuGameHighScoresItem->trigger();
        QCOMPARE(TopFiveText(first->Record), QString("128 Bob, 112 Ann, 0 None, 0 None, 0 None"));
        QCOMPARE(int(first->Record.AltColors()), 1);
        QVERIFY(desktop_->errors.isEmpty());
    }

    void refusedWriteEndsTheCheckBeforeTheRedraw()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        RefuseWrites();
        form->HighScoreView = True;  // a redraw would paint the Top 5 view
        MarkSurface(*form);
        desktop_->nameAnswer = "X";
        form->GameTotal() = 121;
        form->RunHandler([&] { form->CheckHighScore(); });
        QCOMPARE(desktop_->errors, QStringList{"Failed to set data for 'fRegInfo'"});
        QVERIFY(SurfaceStillMarked(*form));
        QCOMPARE(form->Record.TopName(2), std::string("X"));  // lives in memory only
        QCOMPARE(*Stored(), BytesOf(ExampleRecord()));
    }

    void refusedSaveAtTheEndOfAGameLeavesTheNextGameReady()
    {
        auto form = StartForm();
        ProgramRandom().Seed(0);  // a deal whose game scores, so an entry is made
        RefuseWrites();
        form->RunHandler([&] { form->NewGame(); });
        for (int round = 1; round <= 5; ++round) {
            if (round > 1) {
                form->StartNextRound();
            }
            // Each placement runs as the mouse release does, inside the handler guard.
            while (form->Placing != False) {
                for (int column = 2; column <= 5 && form->Placing != False; ++column) {
                    form->RunHandler([&] { form->PlaceCard(column); });
                }
            }
        }
        QCOMPARE(desktop_->errors, QStringList{"Failed to set data for 'fRegInfo'"});
        QCOMPARE(form->Board(1, 1), int(NextPrompt));
        QVERIFY(form->GameTotal() > 0);
        QCOMPARE(form->Record.TopScore(1), form->GameTotal());
        form->RunHandler([&] { form->NewGame(); });
        QCOMPARE(form->RoundNo, 1);
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
        form->MenuOptionsResetHighItem->trigger();
        QCOMPARE(desktop_->questions,
                 QStringList{"Confirm|Do you really want to reset the High Scores?"});
        QCOMPARE(TopFiveText(form->Record), TopFiveText(ExampleRecord()));
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
        form->MenuOptionsResetHighItem->trigger();
        QVERIFY(SurfaceStillMarked(*form));  // nothing is redrawn
        QCOMPARE(TopFiveText(form->Record), QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QCOMPARE(form->Record.LastName(), std::string("Kim"));
        const QByteArray saved = *Stored();
        QCOMPARE(saved, BytesOf(form->Record));
        QCOMPARE(quint8(saved[14]), quint8(0x7E));
    }

    void viewHighScoresShowsWhatTheStoreHolds()
    {
        auto form = StartForm();
        StoreRecord(ExampleRecord());  // written meanwhile by another copy
        form->MenuGameHighScoresItem->trigger();
        QCOMPARE(TopFiveText(form->Record), TopFiveText(ExampleRecord()));
        QCOMPARE(form->HighScoreView, True);
    }

    void keyThatCannotBeOpenedStartsAllZeroUnderTheRelaxedRules()
    {
        QFile blocker(dir_->filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("VANTREL_MACHINE_STORE", (blocker.fileName() + "/machine.reg").toLocal8Bit());
        auto form = StartForm();
        QVERIFY(form->Record.bytes() == StoredRecord().bytes());
        QVERIFY(form->MenuOptionsRelaxedRulesItem->isChecked());
        QVERIFY(!form->MenuOptionsPlayRegGameItem->isChecked());
        QCOMPARE(form->RegularRules, False);
        QVERIFY(!form->MenuOptionsSetLargeCards->isChecked());
        QVERIFY(!form->MenuOptionsAltColorsItem->isChecked());
        form->GameTotal() = 12;
        form->RunHandler([&] { form->CheckHighScore(); });
        QCOMPARE(desktop_->prompts.size(), 1);
        QCOMPARE(desktop_->prompts[0].preset, QString());
        // The save cannot be made and the player is told; the entry lives in memory
        // and View shows it.
        QCOMPARE(desktop_->errors, QStringList{"Failed to set data for 'fRegInfo'"});
        form->MenuGameHighScoresItem->trigger();
        QCOMPARE(form->Record.TopScore(1), 12);
        form->MenuGameQuitItem->trigger();
        QCOMPARE(desktop_->errors.size(), 2);
        QVERIFY(form->isVisible());
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
        QCOMPARE(TopFiveText(form->Record), QString("0 None, 0 None, 0 None, 0 None, 0 None"));
        QVERIFY(form->MenuOptionsPlayRegGameItem->isChecked());
        desktop_->nameAnswer = "X";
        form->GameTotal() = 40;
        form->RunHandler([&] { form->CheckHighScore(); });
        desktop_->confirmAnswer = true;
        form->MenuOptionsResetHighItem->trigger();
        form->MenuGameQuitItem->trigger();
        QCOMPARE(desktop_->errors, QStringList(3, "Failed to set data for 'fRegInfo'"));
        QVERIFY(form->isVisible());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the player's own file\n"));
        QCOMPARE(QFileInfo(victim).permissions(), mode);
        QVERIFY(QFileInfo(StoreFile()).isSymLink());
    }

    void largeCardsSurviveQuitButNotTheCloseBox()
    {
        auto first = StartForm();
        first->MenuOptionsSetLargeCards->trigger();
        QVERIFY(first->MenuOptionsSetLargeCards->isChecked());
        first->close();
        first.reset();

        auto second = StartForm();
        QVERIFY(!second->MenuOptionsSetLargeCards->isChecked());
        QCOMPARE(second->CardWidth, 71);
        second->MenuOptionsSetLargeCards->trigger();
        second->MenuOptionsAltColorsItem->trigger();
        second->RunHandler([&] { second->MenuOptionsRelaxedRulesItemClick(); });
        second->MenuGameQuitItem->trigger();
        QVERIFY(!second->isVisible());
        second.reset();

        auto third = StartForm();
        QVERIFY(third->MenuOptionsSetLargeCards->isChecked());
        QVERIFY(third->CardWidth > 71);
        QVERIFY(third->MenuOptionsAltColorsItem->isChecked());
        QVERIFY(third->MenuOptionsRelaxedRulesItem->isChecked());
        const QByteArray stored = *Stored();
        QCOMPARE(int(stored[StoredRecord::PlayRegGameOffset]), 0);
        QCOMPARE(int(stored[StoredRecord::AltColorsOffset]), 1);
        QCOMPARE(int(stored[StoredRecord::LargeCardsOffset]), 1);
    }

    void quitWithARefusedWriteKeepsTheWindowOpen()
    {
        StoreRecord(ExampleRecord());
        auto form = StartForm();
        RefuseWrites();
        form->MenuGameQuitItem->trigger();
        QCOMPARE(desktop_->errors, QStringList{"Failed to set data for 'fRegInfo'"});
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(RecordCommandsTest)
#include "test_record_commands.moc"
