// The main window on the offscreen platform: its menu, options and the game driven
// through the real window's commands.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <memory>

#include "BoardText.h"
#include "FakeDesktop.h"
#include "HelpDocumentInWorkingFolder.h"
#include "PrivateStores.h"
#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"
#include "engine/Random.h"
#include "paint/PaintBox.h"

using namespace vantrel;
using vantrel::testing::BoardText;

namespace {

QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions()) {
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    return captions;
}

// Places the round's cards row by row, at most four rows, so that a refused placement
// cannot spin. True when the round is over.
bool PlayRoundRowByRow(TVantrelForm& form)
{
    for (int row = 1; row <= 4 && form.Placing != 0; ++row) {
        for (int column = 2; column <= 5 && form.Placing != 0; ++column) {
            form.PlaceCard(column);
        }
    }
    return form.Placing == 0;
}

constexpr char RoundDidNotEnd[] = "the round did not end: every hand was offered its four cards";
// A window not shown by then fails its case at once, far short of the suite's limit.
constexpr int ExposeMilliseconds = 5000;

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<testing::FakeDesktop> desktop_;
    std::unique_ptr<TVantrelForm> form_;

    TVantrelForm& Form() { return *form_; }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        testing::UsePrivateStores(dir_);
        // A first run: the donation reminder stays away on its first day.
        const testing::FakeDesktop desktop;
        LoadDonateState(QStringLiteral("/usr/games/vantrel"));
    }

    void init()
    {
        testing::UsePrivateStores(dir_);
        desktop_ = std::make_unique<testing::FakeDesktop>();
        qputenv("VANTREL_SEED", "0");
        form_ = std::make_unique<TVantrelForm>();
        form_->show();
        QVERIFY2(QTest::qWaitForWindowExposed(form_.get(), ExposeMilliseconds),
                 "the main window was not exposed");
    }

    void cleanup()
    {
        form_.reset();
        qunsetenv("VANTREL_SEED");
        desktop_.reset();
    }

    void menuBarHoldsEveryItemAsTheProgramDefinesIt()
    {
        const QList<QAction*> menus = Form().menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(Form().menuBar()->objectName(), QStringLiteral("MainMenu1"));
        QCOMPARE(Form().MenuOptionsAltColorsItem->objectName(),
                 QStringLiteral("MenuOptionsAltColorsItem"));
        QCOMPARE(menus[0]->text(), QStringLiteral("&Game"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Options"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&Help"));
        QCOMPARE(Captions(Form().MenuGame), (QStringList{"&Start a New Game", "&Undo Last Move",
                                                         "View &High Scores", "-", "&Quit"}));
        QCOMPARE(
            Captions(Form().MenuOptions),
            (QStringList{"Play Regular Game", "Play with Relaxed Rules", "-", "Use Large Cards",
                         "Use Alternate Colors", "-", "Reset High Scores"}));
        QCOMPARE(Captions(Form().MenuHelp),
                 (QStringList{"&Contents", "&About Vantrel", "-", "Make a Donation"}));
        QVERIFY(!Form().MenuGameUndoItem->isEnabled());
        for (QAction* item :
             {Form().MenuGameNewItem, Form().MenuGameHighScoresItem, Form().MenuGameQuitItem,
              Form().MenuOptionsResetHighItem, Form().HelpContentsMenuItem, Form().AboutVantrel1,
              Form().MakeaDonation1}) {
            QVERIFY(item->isEnabled());
            QVERIFY(!item->isCheckable());
            QVERIFY(item->shortcut().isEmpty());
        }
        // A store without a record gives the regular rules, regular cards, normal colours.
        QVERIFY(Form().MenuOptionsPlayRegGameItem->isChecked());
        QVERIFY(!Form().MenuOptionsRelaxedRulesItem->isChecked());
        QVERIFY(!Form().MenuOptionsSetLargeCards->isChecked());
        QVERIFY(!Form().MenuOptionsAltColorsItem->isChecked());
    }

    void windowStartsWithTheTitleTheRegularSizeAndAnEmptyTable()
    {
        QCOMPARE(
            Form().windowTitle(),
            QStringLiteral("Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows"));
        QCOMPARE(Form().frameGeometry().size(), QSize(520, 440));
        QCOMPARE(Form().CardWidth, 71);
        QCOMPARE(Form().CardHeight, 82);
        QCOMPARE(Form().RankFontSize, 12);
        QCOMPARE(Form().CardBack, &Form().pictures.RCBmp);
        QCOMPARE(Form().paintBox->geometry(),
                 QRect(0, 0, Form().ClientArea->width(), Form().ClientArea->height() - 4));
        QCOMPARE(Form().RoundNo, 0);
        QCOMPARE(Form().Placing, 0);
        QCOMPARE(Form().Board(1, 1), int(FaceDown));
    }

    void largeCardsResizeTheWindowAndKeepTheRound()
    {
        Form().MenuGameNewItem->trigger();
        Form().PlaceCard(3);
        const QString board = BoardText(Form());
        Form().resize(300, 200);
        Form().MenuOptionsSetLargeCards->trigger();
        QVERIFY(Form().MenuOptionsSetLargeCards->isChecked());
        QCOMPARE(Form().frameGeometry().size(), QSize(580, 440));
        QCOMPARE(Form().CardWidth, 82);
        QCOMPARE(Form().CardHeight, 108);
        QCOMPARE(Form().RankFontSize, 16);
        QCOMPARE(Form().CardBack, &Form().pictures.LCBmp);
        QCOMPARE(BoardText(Form()), board);
        QCOMPARE(Form().paintBox->width(), Form().ClientArea->width());
        Form().MenuOptionsSetLargeCards->trigger();
        QVERIFY(!Form().MenuOptionsSetLargeCards->isChecked());
        QCOMPARE(Form().frameGeometry().size(), QSize(520, 440));
        QCOMPARE(Form().CardWidth, 71);
        QCOMPARE(Form().Placing, True);
    }

    void alternateColoursRecolourTheWholeWindow()
    {
        Form().MenuOptionsAltColorsItem->trigger();
        QVERIFY(Form().MenuOptionsAltColorsItem->isChecked());
        QCOMPARE(Form().FeltColour, Grey);
        QCOMPARE(Form().PanelColour, White);
        QCOMPARE(Form().paintBox->FeltColour(), QColor(0x80, 0x80, 0x80));
        QCOMPARE(Form().ClientArea->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        Form().MenuOptionsAltColorsItem->trigger();
        QVERIFY(!Form().MenuOptionsAltColorsItem->isChecked());
        QCOMPARE(Form().paintBox->FeltColour(), QColor(0x00, 0x80, 0x00));
        QCOMPARE(Form().PanelColour, Yellow);
    }

    void seededStartDealsTheKnownDeck()
    {
        QCOMPARE(ProgramRandom().State(), 0u);
        Form().MenuGameNewItem->trigger();
        QCOMPARE(Form().Board(2, 1), 31);
        QCOMPARE(Form().Board(5, 1), 16);
        QCOMPARE(Form().CurrentCard(), 2);
    }

    void refusedPlacementsBeepAndChangeNothing()
    {
        Form().MenuGameNewItem->trigger();
        Form().PlaceCard(2);
        const QString board = BoardText(Form());
        const int deckPos = Form().DeckPos;
        Form().PlaceCard(2);
        QCOMPARE(desktop_->beeps, 1);
        QCOMPARE(Form().DeckPos, deckPos);
        QCOMPARE(BoardText(Form()), board);
        Form().PlaceCard(6);
        Form().PlaceCard(1);
        QCOMPARE(desktop_->beeps, 1);
    }

    void undoItemIsEnabledOnlyWhileAPlacementCanBeTakenBack()
    {
        Form().MenuGameNewItem->trigger();
        QVERIFY(!Form().MenuGameUndoItem->isEnabled());
        Form().PlaceCard(4);
        QVERIFY(Form().MenuGameUndoItem->isEnabled());
        QCOMPARE(Form().Board(4, 2), 2);
        Form().MenuGameUndoItem->trigger();
        QVERIFY(!Form().MenuGameUndoItem->isEnabled());
        QCOMPARE(Form().Board(4, 2), int(Nothing));
        QCOMPARE(Form().CurrentCard(), 2);
        QCOMPARE(Form().PlacedCount, 4);
    }

    void rulesItemsKeepExactlyOneCheckMarkAndStartNewGames()
    {
        Form().MenuGameNewItem->trigger();
        Form().MenuOptionsRelaxedRulesItem->trigger();
        QVERIFY(Form().MenuOptionsRelaxedRulesItem->isChecked());
        QVERIFY(!Form().MenuOptionsPlayRegGameItem->isChecked());
        QCOMPARE(Form().PlacedCount, 0);
        Form().PlaceCard(2);
        // Choosing the checked item again keeps its mark and still starts a new game.
        Form().MenuOptionsRelaxedRulesItem->trigger();
        QVERIFY(Form().MenuOptionsRelaxedRulesItem->isChecked());
        QVERIFY(!Form().MenuOptionsPlayRegGameItem->isChecked());
        QCOMPARE(Form().PlacedCount, 0);
        Form().MenuOptionsPlayRegGameItem->trigger();
        QVERIFY(Form().MenuOptionsPlayRegGameItem->isChecked());
        QVERIFY(!Form().MenuOptionsRelaxedRulesItem->isChecked());
        QCOMPARE(Form().PlacedCount, 4);
    }

    void aWholeGameRunsToTheEndAndANewOneStartsFresh()
    {
        Form().MenuGameNewItem->trigger();
        int total = 0;
        for (int round = 1; round <= 5; ++round) {
            if (round > 1) {
                Form().StartNextRound();
            }
            QVERIFY2(PlayRoundRowByRow(Form()), RoundDidNotEnd);
            total += Form().ScoreTable(round, 1);
            QCOMPARE(Form().Board(1, 1), int(NextPrompt));
        }
        QCOMPARE(Form().RoundNo, 5);
        QCOMPARE(Form().GameTotal(), total);
        QCOMPARE(Form().FinalTotal, total);
        QCOMPARE(desktop_->beeps, 0);
        QVERIFY(desktop_->errors.isEmpty());
        Form().MenuGameNewItem->trigger();
        QCOMPARE(Form().RoundNo, 1);
        QCOMPARE(Form().GameTotal(), 0);
    }

    void eachLaterRoundAsksForAFreshTable()
    {
        Form().MenuGameNewItem->trigger();
        QVERIFY2(PlayRoundRowByRow(Form()), RoundDidNotEnd);
        Form().paintBox->PaintPendingRequest();
        QVERIFY(!Form().paintBox->PaintRequestPending());
        Form().StartNextRound();
        QVERIFY(Form().paintBox->PaintRequestPending());
    }

    void quitClosesTheWindow()
    {
        Form().MenuGameQuitItem->trigger();
        QVERIFY(!Form().isVisible());
    }

    void f1OpensTheHelpWhateverModifiersAreHeld()
    {
        const vantrel::testing::HelpDocumentInWorkingFolder help;
        for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
            desktop_->opened.clear();
            QTest::keyClick(Form().paintBox, Qt::Key_F1, modifiers);
            QCOMPARE(desktop_->opened.size(), 1);
            QVERIFY(desktop_->opened.first().toString().endsWith(QStringLiteral("/Vantrel0.html")));
        }
        desktop_->opened.clear();
        QTest::keyClick(Form().paintBox, Qt::Key_F2);
        QVERIFY(desktop_->opened.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
