#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>

#include "engine/VantrelGame.h"
#include "paint/Pictures.h"
#include "store/RecordStore.h"
#include "store/StoredRecord.h"

class QAction;
class QMenu;
class QTimer;

namespace vantrel {

class PaintBox;
class Canvas;
class TsplashForm;

// The program title: the window caption and the application's name.
inline constexpr const char* ProgramTitle =
    "Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows";

// Colours are written 0xBBGGRR, as the table's colour values are given.
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t Grey = 0x808080;
inline constexpr std::uint32_t Yellow = 0x00FFFF;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Red = 0x0000FF;
inline constexpr std::uint32_t Blue = 0xFF0000;

// The main window: the table, the menu and the options. The game itself is the
// VantrelGame base; this class paints it, feeds it the mouse and keeps the options
// and the stored record. Member definitions live beside the code of their area:
// app/ (window, menu, options), paint/ (painting and mouse), app/RecordCommands.cpp
// (record and high scores), app/AuxiliaryCommands.cpp (splash, About, help, donation).
class TVantrelForm : public QMainWindow, public VantrelGame {
    Q_OBJECT

public:
    explicit TVantrelForm(QWidget* parent = nullptr);
    ~TVantrelForm() override;

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
    QWidget* ClientArea = nullptr;   // the window's client area, in the felt colour
    PaintBox* paintBox = nullptr;    // the drawing surface
    QTimer* Timer1 = nullptr;        // closes the start-up splash
    QPointer<TsplashForm> splashForm;

    // --- card metrics and colours --------------------------------------------------
    Pictures pictures;
    int CardWidth = 71;
    int CardHeight = 82;
    int RankFontSize = 12;
    const QImage* CardBack = nullptr;
    std::uint32_t FeltColour = Green;
    std::uint32_t PanelColour = Yellow;

    // --- the stored record in memory -------------------------------------------------
    StoredRecord Record;
    // Where the record is kept, chosen once at start-up.
    Registry machineStore_{RegistryRoot::Machine};

    // --- commands -------------------------------------------------------------------
    void MenuGameExitItemClick();
    void MenuOptionsSetLargeCardsClick();
    void SetAltColorClick();
    void SetLargeCards();
    void SetRegularCards();
    void SetAltColors();
    void SetNormalColors();
    void MenuGameHighScoresItemClick();
    void MenuOptionsResetHighItemClick();
    void HelpContentsMenuItemClick();
    void MenuGameAboutItemClick();
    void MakeaDonation1Click();
    void Timer1Timer();
    void ShowStartupSplash();

    // --- painting (paint/) --------------------------------------------------------
    void DrawCell(int cellCode, int column, int row) override;
    void DrawScorePanel() override;
    void PaintBoxPaint() override;
    void DrawWinBanner() override;
    void DrawBoard();
    void DrawDeckPile();
    void DrawTable();
    void DrawPanelBox();
    void DrawHighScores();
    Canvas& canvas();

    // --- mouse (paint/MouseInput.cpp) -------------------------------------------------
    void PaintBoxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
    void PaintBoxMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);

    // --- record and high scores (app/RecordCommands.cpp) ------------------------------
    void LoadRecord() override;
    // Saves one command's change into the record as the store holds it now.
    void SaveRecord(const RecordChange& change);
    void CheckHighScore() override;

    // Runs one command or event handler the way the message loop does: an error that
    // escapes it ends the handler and is shown in the standard error box.
    void RunHandler(const std::function<void()>& handler);

protected:
    // --- window events --------------------------------------------------------------
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

    // --- the game's hooks -----------------------------------------------------------
    void InvalidatePaintBox() override;
    void InvalidateWindow() override;
    void Beep() override;
    void SetDefaultCursor() override;
    void SetUndoEnabled(bool enabled) override;
    bool RegularRulesChecked() const override;
    bool RelaxedRulesChecked() const override;
    void SetRulesCheckMarks(bool regular, bool relaxed) override;
    int StoredPlayRegGame() const override;
    void ApplyStoredOptions() override;

private:
    void FormCreate();
    void FormResize();
    void FormClose();
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift);
    void BuildMainMenu();
    void ConnectMainMenu();
    void CreateClientArea();
    void SetOuterSize(int width, int height);
    void ApplyCardMetrics(int width, int height, int rankFontSize, const QImage& back,
                          int windowWidth);
    void FitFrame();
    void ApplyFeltColour();

    int outerWidth_ = 520;
    int outerHeight_ = 440;
    QSize knownFrame_;
};

// 0xBBGGRR to a QColor.
QColor ColourOf(std::uint32_t bgr);

}  // namespace vantrel
