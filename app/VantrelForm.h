#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>

#include "engine/VantrelGame.h"
#include "paint/Colours.h"
#include "paint/Pictures.h"
#include "paint/TableNarration.h"
#include "paint/TablePainter.h"
#include "store/KeptRecord.h"
#include "store/RecordStore.h"
#include "store/StoredRecord.h"

class QAction;
class QMenu;
class QTimer;

namespace vantrel {

class PaintBox;
class Canvas;
class TsplashForm;
struct Desktop;
class HelpOpener;
class DonateReminder;

namespace testing {
class FormProbe;
}

// The program title: the window caption and the application's name.
inline constexpr const char* ProgramTitle = QT_TRANSLATE_NOOP(
    "TVantrelForm", "Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows");

// The window's outer size with each card size; the height is the same for both.
inline constexpr int RegularCardsWindowWidth = 520;
inline constexpr int LargeCardsWindowWidth = 580;
inline constexpr int WindowHeight = 440;

// What the program block chooses once and hands to the main window. The window keeps
// the references, so what they name must outlive it.
struct FormSeams {
    const Desktop& desktop;               // beeps, boxes and the name prompt
    const HelpOpener& help;               // F1, "&Contents", and the About window's link
    DonateReminder& reminder;             // asked at every close, and by "Make a Donation"
    Registry machineStore;                // where the record is kept, for the window's whole life
    std::function<std::uint32_t()> seed;  // asked once, when the window seeds the shuffle
};

// The main window: the table, the menu and the options. The game itself is the
// VantrelGame base; this class has it painted by the table painter, feeds it the
// mouse and keeps the options and the stored record. Member definitions are split by
// area: VantrelForm.cpp (window), MainMenu.cpp, Options.cpp, Painting.cpp (handing
// over to the painter), MouseInput.cpp, RecordCommands.cpp (record and high scores),
// AuxiliaryCommands.cpp (splash, About, help, donation).
class TVantrelForm : public QMainWindow, public VantrelGame {
    Q_OBJECT

public:
    explicit TVantrelForm(FormSeams seams, QWidget* parent = nullptr);
    ~TVantrelForm() override;

    // Centres the window on its screen by its outer size (app/WindowFrame.cpp).
    void CentreOnScreen();

protected:
    // --- window events --------------------------------------------------------------
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

    // --- the game's hooks -----------------------------------------------------------
    void DrawCell(int cellCode, int column, int row) override;
    void DrawScorePanel() override;
    void DrawWinBanner() override;
    void DrawHighScores() override;
    void RepaintTable() override;
    void InvalidateWindow() override;
    void CheckHighScore() override;
    void Beep() override;
    void SetDefaultCursor() override;
    void SetUndoEnabled(bool enabled) override;
    bool RulesItemChecked(bool regular) const override;
    void CheckRulesItem(bool regular) override;
    int StoredPlayRegGame() const override;
    void ApplyStoredOptions() override;
    void LoadRecord() override;

private:
    // The tests' one way in to what a player cannot reach: the card metrics and colours
    // as the window holds them, the record in memory, the end-of-game check.
    friend class testing::FormProbe;

    // --- menu bar (MainMenu1) ----------------------------------------------------
    QMenu* MenuGame = nullptr;
    QAction* MenuGameNewItem = nullptr;
    QAction* MenuGameUndoItem = nullptr;
    QAction* MenuGameHighScoresItem = nullptr;
    QAction* MenuGameQuitItem = nullptr;
    QMenu* MenuOptions = nullptr;
    QAction* MenuOptionsPlayRegGameItem = nullptr;
    QAction* MenuOptionsRelaxedRulesItem = nullptr;
    QAction* MenuOptionsSetLargeCards = nullptr;
    QAction* MenuOptionsAltColorsItem = nullptr;
    QAction* MenuOptionsResetHighItem = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* HelpContentsMenuItem = nullptr;
    QAction* AboutVantrel1 = nullptr;
    QAction* MakeaDonation1 = nullptr;

    // --- components --------------------------------------------------------------
    QWidget* ClientArea = nullptr;  // the window's client area, in the felt colour
    PaintBox* paintBox = nullptr;   // the drawing surface
    QTimer* Timer1 = nullptr;       // closes the start-up splash
    QPointer<TsplashForm> splashForm;

    // --- card metrics and colours --------------------------------------------------
    Pictures pictures;
    int CardWidth = RegularCardMetrics.width;
    int CardHeight = RegularCardMetrics.height;
    int RankFontSize = RegularCardMetrics.rankFontSize;
    const QImage* CardBack = nullptr;
    std::uint32_t FeltColour = NormalColours.felt;
    std::uint32_t PanelColour = NormalColours.panel;

    // --- start-up and the window (app/VantrelForm.cpp) ------------------------------
    void FormCreate(const std::function<std::uint32_t()>& seed);
    void FormResize();
    void FormClose();
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift);
    void CreateClientArea();
    // Runs one command or event handler the way the message loop does: an error that
    // escapes it ends the handler and is shown in the standard error box.
    void RunHandler(const std::function<void()>& handler);

    // --- menu (app/MainMenu.cpp) ------------------------------------------------------
    void BuildMainMenu();
    void ConnectMainMenu();

    // --- options and Quit (app/Options.cpp) --------------------------------------------
    void MenuGameExitItemClick();
    void MenuOptionsSetLargeCardsClick();
    void SetAltColorClick();
    void SetLargeCards();
    void SetRegularCards();
    void SetAltColors();
    void SetNormalColors();
    void ApplyCardMetrics(const CardMetrics& metrics, const QImage& back, int windowWidth);
    void ApplyColours(const ColourScheme& colours);

    // --- splash, About, help and donation (app/AuxiliaryCommands.cpp) ---------------
    void HelpContentsMenuItemClick();
    void MenuGameAboutItemClick();
    void MakeaDonation1Click();
    void Timer1Timer();
    void ShowStartupSplash();

    // --- painting (app/Painting.cpp): each hands over to the table painter ----------
    void PaintBoxPaint();
    void DrawBoard();
    void DrawDeckPile();
    void DrawTable();
    void DrawPanelBox();
    Canvas& canvas();
    // The table as the options show it, and the Top 5 list of the record in memory.
    TableLook Look() const;
    TopFive TopScores() const;
    TablePainter Painter();

    // --- mouse (app/MouseInput.cpp) ---------------------------------------------------
    void PaintBoxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
    void PaintBoxMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);

    // --- keys (app/KeyboardInput.cpp) ---------------------------------------------------
    static bool IsPlayKey(int key, Qt::KeyboardModifiers shift);
    // How far a key moves the keyboard among the table's places, 0 for other keys.
    static int FocusStep(int key, Qt::KeyboardModifiers shift);
    static bool IsSpeechKey(int key, Qt::KeyboardModifiers shift);
    void PlayKeyDown(int key);
    void SpeechKeyDown(int key);

    // --- the table for screen readers and the keyboard (app/TableSpeech.cpp) ----------
    void ConnectTableAccess();
    // Acts on one of the table's places as a click there does.
    void ActOnPlace(int place);
    void MoveTableFocus(int step);
    // Tells a screen reader what the handler running now came to: the words a key asked
    // for, why a hand refused the card, or what changed since the handler began. Called
    // when the outermost handler ends, and before a dialog opens in its middle, so that
    // what happened is heard before the dialog is.
    void AnnounceOutcome();
    // Words a key asked for, told when the handler ends.
    void SayOnRequest(const QString& words) { requestedWords_ = words; }
    // Every key of the table, for the key that asks.
    static QString KeysInWords();

    // --- record and high scores (app/RecordCommands.cpp) ------------------------------
    // The record as the player sees it, with the changes the store has not taken yet.
    const StoredRecord& Record() const { return keptRecord_.Record(); }
    bool HasUnsavedChanges() const { return keptRecord_.HasPendingChanges(); }
    // Saves one command's change into the record as the store holds it now.
    void SaveRecord(const RecordChange& change);
    void MenuOptionsResetHighItemClick();

    // --- outer size and place (app/WindowFrame.cpp) -----------------------------------
    void SetOuterSize(int width, int height);
    void FitFrame();
    void WatchForFrame();

    const Desktop& desktop_;
    const HelpOpener& help_;
    DonateReminder& reminder_;
    // Handlers run inside handlers (a modal dialog's loop): only the outermost one
    // announces what came of it.
    int handlerDepth_ = 0;
    // The hand a release last tried to place into, and the one that refused it.
    int attemptedColumn_ = 0;
    int refusedColumn_ = 0;
    // The table as the outermost handler found it, or as it was last told.
    TableMoment handlerStart_{};
    QString requestedWords_;
    // Where the record is kept was chosen by the program block, once.
    KeptRecord keptRecord_;
    int outerWidth_ = RegularCardsWindowWidth;
    int outerHeight_ = WindowHeight;
    QSize knownFrame_;
    QTimer* frameWatch_ = nullptr;  // looks for the window manager's frame after the show
    QElapsedTimer frameWatchClock_;
};

}  // namespace vantrel
