// The main window on the offscreen platform: its menu, options and the game driven
// through the real window's commands.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <memory>

#include "BoardText.h"
#include "FakeProgram.h"
#include "FormProbe.h"
#include "HelpDocumentInWorkingFolder.h"
#include "PrivateStores.h"
#include "app/VantrelForm.h"
#include "paint/Canvas.h"
#include "paint/PaintBox.h"
#include "platform/Languages.h"

using namespace vantrel;
using vantrel::testing::BoardText;
using vantrel::testing::FormProbe;
using vantrel::testing::Menu;
using vantrel::testing::MenuItem;
using vantrel::testing::PaintBoxOf;

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
    std::unique_ptr<testing::FakeProgram> program_;
    testing::FakeDesktop* desktop_ = nullptr;  // the program's
    std::unique_ptr<TVantrelForm> form_;

    TVantrelForm& Form() { return *form_; }
    FormProbe Probe() { return FormProbe(*form_); }
    QAction* Item(const char* name) { return MenuItem(*form_, name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        testing::UsePrivateStores(dir_);
    }

    void init()
    {
        testing::UsePrivateStores(dir_);
        program_ = std::make_unique<testing::FakeProgram>();
        desktop_ = &program_->desktop;
        // A first run: the donation reminder stays away on its first day.
        program_->reminder.LoadDonateState(QStringLiteral("/usr/games/vantrel"));
        form_ = testing::MakeForm(*program_, dir_.filePath(QStringLiteral("machine.reg")), 0);
        form_->show();
        QVERIFY2(QTest::qWaitForWindowExposed(form_.get(), ExposeMilliseconds),
                 "the main window was not exposed");
    }

    void cleanup()
    {
        form_.reset();
        desktop_ = nullptr;
        program_.reset();
    }

    void menuBarHoldsEveryItemAsTheProgramDefinesIt()
    {
        const QList<QAction*> menus = Form().menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(Form().menuBar()->objectName(), QStringLiteral("MainMenu1"));
        QCOMPARE(Menu(Form(), "MenuOptions")->actions().at(4)->objectName(),
                 QStringLiteral("MenuOptionsAltColorsItem"));
        QCOMPARE(menus[0]->text(), QStringLiteral("&Game"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Options"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&Help"));
        QCOMPARE(Captions(Menu(Form(), "MenuGame")),
                 (QStringList{"&Start a New Game", "&Undo Last Move", "View &High Scores", "-",
                              "&Quit"}));
        QCOMPARE(
            Captions(Menu(Form(), "MenuOptions")),
            (QStringList{"Play Regular Game", "Play with Relaxed Rules", "-", "Use Large Cards",
                         "Use Alternate Colors", "-", "Reset High Scores"}));
        QCOMPARE(Captions(Menu(Form(), "MenuHelp")),
                 (QStringList{"&Contents", "&About Vantrel", "-", "Make a Donation"}));
        QVERIFY(!Item("MenuGameUndoItem")->isEnabled());
        for (QAction* item :
             {Item("MenuGameNewItem"), Item("MenuGameHighScoresItem"), Item("MenuGameQuitItem"),
              Item("MenuOptionsResetHighItem"), Item("HelpContentsMenuItem"), Item("AboutVantrel1"),
              Item("MakeaDonation1")}) {
            QVERIFY(item->isEnabled());
            QVERIFY(!item->isCheckable());
            QVERIFY(item->shortcut().isEmpty());
        }
        // A store without a record gives the regular rules, regular cards, normal colours.
        QVERIFY(Item("MenuOptionsPlayRegGameItem")->isChecked());
        QVERIFY(!Item("MenuOptionsRelaxedRulesItem")->isChecked());
        QVERIFY(!Item("MenuOptionsSetLargeCards")->isChecked());
        QVERIFY(!Item("MenuOptionsAltColorsItem")->isChecked());
    }

    // A player whose desktop speaks another language meets it in the menu, with access
    // keys that stay unique, the boxes, the words on the table and what a screen reader
    // reads of the deck once a game starts (Qt's own buttons: test_program_language).
    void eachLanguageSpeaksInTheWindowAndOnTheTable_data()
    {
        // language, menu, box, a word, the deck's description
        QTest::addColumn<QStringList>("seen");
        for (const QStringList& seen :
             QList<QStringList>{{"de", "&Spiel", "Bestätigen", "Runde",
                                 "Zu legende Karte: Herz-Drei, für jedes Blatt"},
                                {"fr", "&Partie", "Confirmer", "Manche",
                                 "Carte à placer : Trois de cœur, pour n'importe quelle main"},
                                {"es", "&Juego", "Confirmar", "Ronda",
                                 "Carta por colocar: Tres de corazones, para cualquier mano"},
                                {"it", "&Partita", "Conferma", "Turno",
                                 "Carta da mettere: Tre di cuori, per qualsiasi mano"},
                                {"nl", "&Spel", "Bevestigen", "Ronde",
                                 "Te leggen kaart: Harten drie, voor elke hand"},
                                {"pt_BR", "&Jogo", "Confirmar", "Rodada",
                                 "Carta a colocar: Três de copas, para qualquer mão"}}) {
            QTest::newRow(qPrintable(seen[0])) << seen;
        }
    }
    void eachLanguageSpeaksInTheWindowAndOnTheTable()
    {
        QFETCH(QStringList, seen);
        form_.reset();
        const ProgramLanguage texts({seen[0] + QStringLiteral(".UTF-8")});
        texts.Install();
        form_ = testing::MakeForm(*program_, dir_.filePath(QStringLiteral("machine.reg")), 0);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get(), ExposeMilliseconds));
        QCOMPARE(Form().menuBar()->actions().at(0)->text(), seen[1]);
        for (const QWidget* menu : QList<QWidget*>{Form().menuBar(), Menu(Form(), "MenuGame")}) {
            QStringList keys;
            for (const QAction* item : menu->actions()) {
                keys << item->text().section(QLatin1Char('&'), 1).left(1).toLower();
            }
            keys.removeAll(QString());
            QCOMPARE(keys.removeDuplicates(), 0);
        }
        Item("MenuOptionsResetHighItem")->trigger();
        QCOMPARE(desktop_->questions.value(0).section(QLatin1Char('|'), 0, 0), seen[2]);
        // The panel's first word beside the word written below the table as the panel does.
        Canvas& canvas = PaintBoxOf(Form())->canvas();
        canvas.SetBrushColour(ColourOf(Yellow));
        canvas.TextOut(0, 370, seen[3]);
        const QRect word(0, 370, canvas.TextWidth(seen[3]), canvas.TextHeight(seen[3]));
        const QImage& surface = PaintBoxOf(Form())->Surface();
        QCOMPARE(surface.copy(word.translated(86, 292 - 370)), surface.copy(word));
        Item("MenuGameNewItem")->trigger();
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(PaintBoxOf(Form()));
        QCOMPARE(table->child(0)->text(QAccessible::Description), seen[4]);
    }

    void windowStartsWithTheTitleTheRegularSizeAndAnEmptyTable()
    {
        QCOMPARE(
            Form().windowTitle(),
            QStringLiteral("Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows"));
        QCOMPARE(Form().frameGeometry().size(), QSize(520, 440));
        QCOMPARE(Probe().CardWidth(), 71);
        QCOMPARE(Probe().CardHeight(), 82);
        QCOMPARE(Probe().RankFontSize(), 12);
        QCOMPARE(Probe().CardBack(), &Probe().pictures().RCBmp);
        QCOMPARE(PaintBoxOf(Form())->geometry(),
                 QRect(0, 0, Probe().ClientArea()->width(), Probe().ClientArea()->height() - 4));
        QCOMPARE(Form().RoundNo, 0);
        QCOMPARE(Form().Placing, 0);
        QCOMPARE(Form().Board(1, 1), int(FaceDown));
    }

    void largeCardsResizeTheWindowAndKeepTheRound()
    {
        Item("MenuGameNewItem")->trigger();
        Form().PlaceCard(3);
        const QString board = BoardText(Form());
        Form().resize(300, 200);
        Item("MenuOptionsSetLargeCards")->trigger();
        QVERIFY(Item("MenuOptionsSetLargeCards")->isChecked());
        QCOMPARE(Form().frameGeometry().size(), QSize(580, 440));
        QCOMPARE(Probe().CardWidth(), 82);
        QCOMPARE(Probe().CardHeight(), 108);
        QCOMPARE(Probe().RankFontSize(), 16);
        QCOMPARE(Probe().CardBack(), &Probe().pictures().LCBmp);
        QCOMPARE(BoardText(Form()), board);
        QCOMPARE(PaintBoxOf(Form())->width(), Probe().ClientArea()->width());
        Item("MenuOptionsSetLargeCards")->trigger();
        QVERIFY(!Item("MenuOptionsSetLargeCards")->isChecked());
        QCOMPARE(Form().frameGeometry().size(), QSize(520, 440));
        QCOMPARE(Probe().CardWidth(), 71);
        QCOMPARE(Form().Placing, True);
    }

    void alternateColoursRecolourTheWholeWindow()
    {
        Item("MenuOptionsAltColorsItem")->trigger();
        QVERIFY(Item("MenuOptionsAltColorsItem")->isChecked());
        QCOMPARE(Probe().FeltColour(), Grey);
        QCOMPARE(Probe().PanelColour(), White);
        QCOMPARE(PaintBoxOf(Form())->FeltColour(), QColor(0x80, 0x80, 0x80));
        QCOMPARE(Probe().ClientArea()->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        Item("MenuOptionsAltColorsItem")->trigger();
        QVERIFY(!Item("MenuOptionsAltColorsItem")->isChecked());
        QCOMPARE(PaintBoxOf(Form())->FeltColour(), QColor(0x00, 0x80, 0x00));
        QCOMPARE(Probe().PanelColour(), Yellow);
    }

    void seededStartDealsTheKnownDeck()
    {
        QCOMPARE(Form().Random().State(), 0u);
        Item("MenuGameNewItem")->trigger();
        QCOMPARE(Form().Board(2, 1), 31);
        QCOMPARE(Form().Board(5, 1), 16);
        QCOMPARE(Form().CurrentCard(), 2);
    }

    void refusedPlacementsBeepAndChangeNothing()
    {
        Item("MenuGameNewItem")->trigger();
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
        Item("MenuGameNewItem")->trigger();
        QVERIFY(!Item("MenuGameUndoItem")->isEnabled());
        Form().PlaceCard(4);
        QVERIFY(Item("MenuGameUndoItem")->isEnabled());
        QCOMPARE(Form().Board(4, 2), 2);
        Item("MenuGameUndoItem")->trigger();
        QVERIFY(!Item("MenuGameUndoItem")->isEnabled());
        QCOMPARE(Form().Board(4, 2), int(Nothing));
        QCOMPARE(Form().CurrentCard(), 2);
        QCOMPARE(Form().PlacedCount, 4);
    }

    void rulesItemsKeepExactlyOneCheckMarkAndStartNewGames()
    {
        Item("MenuGameNewItem")->trigger();
        Item("MenuOptionsRelaxedRulesItem")->trigger();
        QVERIFY(Item("MenuOptionsRelaxedRulesItem")->isChecked());
        QVERIFY(!Item("MenuOptionsPlayRegGameItem")->isChecked());
        QCOMPARE(Form().PlacedCount, 0);
        Form().PlaceCard(2);
        // Choosing the checked item again keeps its mark and still starts a new game.
        Item("MenuOptionsRelaxedRulesItem")->trigger();
        QVERIFY(Item("MenuOptionsRelaxedRulesItem")->isChecked());
        QVERIFY(!Item("MenuOptionsPlayRegGameItem")->isChecked());
        QCOMPARE(Form().PlacedCount, 0);
        Item("MenuOptionsPlayRegGameItem")->trigger();
        QVERIFY(Item("MenuOptionsPlayRegGameItem")->isChecked());
        QVERIFY(!Item("MenuOptionsRelaxedRulesItem")->isChecked());
        QCOMPARE(Form().PlacedCount, 4);
    }

    void aWholeGameRunsToTheEndAndANewOneStartsFresh()
    {
        Item("MenuGameNewItem")->trigger();
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
        Item("MenuGameNewItem")->trigger();
        QCOMPARE(Form().RoundNo, 1);
        QCOMPARE(Form().GameTotal(), 0);
    }

    void eachLaterRoundAsksForAFreshTable()
    {
        Item("MenuGameNewItem")->trigger();
        QVERIFY2(PlayRoundRowByRow(Form()), RoundDidNotEnd);
        PaintBoxOf(Form())->PaintPendingRequest();
        QVERIFY(!PaintBoxOf(Form())->PaintRequestPending());
        Form().StartNextRound();
        QVERIFY(PaintBoxOf(Form())->PaintRequestPending());
    }

    void quitClosesTheWindow()
    {
        Item("MenuGameQuitItem")->trigger();
        QVERIFY(!Form().isVisible());
    }

    void f1OpensTheHelpWhateverModifiersAreHeld()
    {
        const vantrel::testing::HelpDocumentInWorkingFolder help;
        for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
            desktop_->opened.clear();
            QTest::keyClick(PaintBoxOf(Form()), Qt::Key_F1, modifiers);
            QCOMPARE(desktop_->opened.size(), 1);
            QVERIFY(desktop_->opened.first().toString().endsWith(QStringLiteral("/Vantrel0.html")));
        }
        desktop_->opened.clear();
        QTest::keyClick(PaintBoxOf(Form()), Qt::Key_F2);
        QVERIFY(desktop_->opened.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
