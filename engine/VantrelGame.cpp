#include "engine/VantrelGame.h"

namespace vantrel {

void VantrelGame::ResetGameState()
{
    Placing = False;
    HighScoreView = False;
    const bool regular = StoredPlayRegGame() != 0;
    RegularRules = regular ? True : False;
    PlacedCount = 0;
    LastMove = {};
    RoundNo = 0;
    SetDefaultCursor();
    // Exactly one rules item carries the check mark, whatever byte the record holds.
    CheckRulesItem(regular);
    ApplyStoredOptions();
    RowPitch = StandardRowPitch;
    ClearScores();
    FinalTotal = 0;
    Board.Fill(Nothing);
    Board(DeckColumn, 1) = FaceDown;
    LoadRecord();
}

void VantrelGame::MenuGameHighScoresItemClick()
{
    // Always what the store holds, so another copy's entries show too. The list covers
    // the table until the next left-button release.
    LoadRecord();
    HighScoreView = True;
    DrawHighScores();
}

void VantrelGame::ShuffleDeck()
{
    vantrel::ShuffleDeck(Deck, Random());
    DeckPos = 1;
}

void VantrelGame::TurnCutCard()
{
    CurrentCard() = Deck[DeckPos];
    ++DeckPos;
    DrawCell(CurrentCard(), DeckColumn, CurrentCardRow);
}

void VantrelGame::DealCrib()
{
    for (int row = 1; row <= CardRows; ++row) {
        Board(CribColumn, row) = Deck[DeckPos];
        ++DeckPos;
    }
    for (int row = 1; row <= CardRows; ++row) {
        DrawCell(Board(CribColumn, row), CribColumn, row);
    }
}

void VantrelGame::ClearScores()
{
    // Clearing the first column clears GameTotal too: it is entry (6,1).
    for (int row = 1; row <= TotalRow; ++row) {
        ScoreTable(row, 1) = 0;
        ScoreTable(row, 2) = 0;
        ScoreTable(row, ShownScoreColumn) = NoScore;
    }
}

void VantrelGame::ClearShownScores()
{
    for (int row = 1; row <= TotalRow; ++row) {
        ScoreTable(row, ShownScoreColumn) = NoScore;
    }
}

void VantrelGame::ClearBoard()
{
    Board.Fill(Nothing);
    Board(DeckColumn, 1) = FaceDown;
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        Board(column, 1) = OpenSlot;
    }
    for (int row = 1; row <= CardRows; ++row) {
        Board(CribColumn, row) = FaceDown;
    }
}

}  // namespace vantrel
