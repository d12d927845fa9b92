// The record commands when the store fails them, as the player meets it: a write
// refused by the store, a store that cannot be opened, a link another user planted.
#include <QtTest>

#include "RecordFixture.h"
#include "TopFiveText.h"
#include "engine/Random.h"

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

QTEST_MAIN(RecordFailuresTest)
#include "test_record_failures.moc"
