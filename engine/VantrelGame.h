#pragma once

#include "engine/Deck.h"
#include "engine/Grid.h"

namespace vantrel {

// What a board cell holds: a card code 1..52, or one of these.
enum CellCode : int {
    FaceDown = 0,     // a card back (at (1,1): the deck pile, drawn by the table)
    OpenSlot = 53,    // felt framed in white: an empty first row of a hand
    NextPrompt = 77,  // "Click for next Round/Game!" over the deck pile
    EraseCell = 90,   // paint the felt over the card, then hold Nothing
    Nothing = 99,
};

// Flags hold -1 for true and 0 for false; any non-zero value counts as true.
inline constexpr int True = -1;
inline constexpr int False = 0;

inline constexpr int Rounds = 5;
inline constexpr int BoardRows = 5;
inline constexpr int CardsPerRound = 16;
inline constexpr int WinThreshold = 180;

// Board columns and rows.
inline constexpr int DeckColumn = 1;
inline constexpr int FirstHandColumn = 2;
inline constexpr int LastHandColumn = 5;
inline constexpr int CribColumn = 6;
inline constexpr int CurrentCardRow = 4;
inline constexpr int CardRows = 4;

// Vertical distance between board rows, in pixels of the table.
inline constexpr int StandardRowPitch = 50;

// ScoreTable rows and columns.
inline constexpr int TotalRow = 6;  // (6,1) is GameTotal
inline constexpr int RoundScoreColumn = 1;
inline constexpr int ShownScoreColumn = 3;
inline constexpr int NoScore = 255;  // a shown score of 255 shows nothing

struct Move {
    int column = 0;
    int row = 0;
};

// The game state and the operations that move a game along: rounds, placement,
// Undo, the rules, the count. The window derives from this class and supplies the
// painting, the menu states and the beep through the hooks at the bottom, so the
// rules run, and are tested, without a window.
class VantrelGame {
public:
    VantrelGame() = default;
    virtual ~VantrelGame() = default;
    VantrelGame(const VantrelGame&) = delete;
    VantrelGame& operator=(const VantrelGame&) = delete;

    // --- state ---------------------------------------------------------------
    int Placing = False;        // a round is being placed
    int RegularRules = False;   // "Play Regular Game" rather than the relaxed rules
    int HighScoreView = False;  // the Top 5 list covers the table
    int PlacedCount = 0;        // placements of this round, the four deals included
    Move LastMove;              // the player's last placement; (0,0): nothing to undo
    int RoundNo = 0;            // 0 before a game, then 1..5
    int RowPitch = StandardRowPitch;
    Grid<int, CribColumn, BoardRows> Board;            // Board(column, row)
    Grid<int, TotalRow, ShownScoreColumn> ScoreTable;  // ScoreTable(row, column)
    int FinalTotal = 0;  // GameTotal as taken for the WIN test and the high-score check
    DeckOrder Deck{};
    int DeckPos = 1;

    int& CurrentCard() { return Board(DeckColumn, CurrentCardRow); }
    int CurrentCard() const { return Board(DeckColumn, CurrentCardRow); }
    int& GameTotal() { return ScoreTable(TotalRow, RoundScoreColumn); }
    int GameTotal() const { return ScoreTable(TotalRow, RoundScoreColumn); }

    // --- operations ----------------------------------------------------------
    void ResetGameState();
    void NewGame();
    void StartNextRound();
    void PlaceCard(int column);
    void DrawNextCard();
    void DealCrib();
    void TurnCutCard();
    void ShuffleDeck();
    void ScoreRound();
    void MenuGameUndoItemClick();
    void MenuGameHighScoresItemClick();
    void MenuOptionsPlayRegGameItemClick();
    void MenuOptionsRelaxedRulesItemClick();

    // Whether the game total earns the WIN banner (180 itself counts).
    bool WinEarned() const { return GameTotal() >= WinThreshold; }
    // Whether PlaceCard(column) would place the current card: a hand with room, and
    // under the regular rules one whose next free row is the row being filled.
    bool TakesCard(int column) const;

    // The generator the shuffle draws from: the game's own, seeded once by whoever
    // starts the game (the window, at start-up) and never again.
    RandomGenerator& Random() { return random_; }

protected:
    // --- what the window supplies ----------------------------------------------
    // These only draw or ask: the game sets its own state before it calls them.
    virtual void DrawCell(int cellCode, int column, int row) = 0;
    virtual void DrawScorePanel() = 0;
    virtual void DrawWinBanner() = 0;
    virtual void DrawHighScores() = 0;
    virtual void RepaintTable() = 0;      // ask for a repaint of the table and paint it now
    virtual void InvalidateWindow() = 0;  // ask for a repaint of the whole window
    // The end-of-game check: the name prompt, the list and the save.
    virtual void CheckHighScore() = 0;
    virtual void Beep() = 0;
    virtual void SetDefaultCursor() = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
    // The two rules items: exactly one of them carries the check mark.
    virtual bool RulesItemChecked(bool regular) const = 0;
    virtual void CheckRulesItem(bool regular) = 0;
    // The stored rules flag, read by the reset; non-zero means the regular rules.
    virtual int StoredPlayRegGame() const = 0;
    // Check marks, card size and colours from the stored record (reset step).
    virtual void ApplyStoredOptions() = 0;
    virtual void LoadRecord() = 0;

private:
    void ClearScores();
    void ClearShownScores();
    void ClearBoard();
    int FirstFreeRow(int column) const;
    int RowLevel() const { return PlacedCount / 4 + 1; }
    void DealFirstRow();
    void CountColumns();
    void ShowWinBanner();

    RandomGenerator random_;
};

}  // namespace vantrel
