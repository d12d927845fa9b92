// Rounds and games: starting them, placing the drawn card, Undo and the rules.
#include "engine/VantrelGame.h"

namespace vantrel {

void VantrelGame::NewGame()
{
    Placing = True;
    DrawScorePanel();
    PlacedCount = 0;
    RoundNo = 0;
    ClearScores();
    FinalTotal = 0;
    StartNextRound();
    InvalidateWindow();
}

void VantrelGame::StartNextRound()
{
    ++RoundNo;
    if (RoundNo >= 2) {
        RepaintTable();
    }
    ClearBoard();
    ClearShownScores();
    DrawScorePanel();
    FinalTotal = 0;
    ShuffleDeck();
    DrawNextCard();
    PlacedCount = 0;  // the first take is the current card, not a placement
    Placing = True;
    if (RegularRules != False) {
        DealFirstRow();
    }
    SetUndoEnabled(false);
    LastMove = {};
}

void VantrelGame::DealFirstRow()
{
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        Board(column, 1) = CurrentCard();
        DrawCell(CurrentCard(), column, 1);
        DrawNextCard();
    }
}

int VantrelGame::FirstFreeRow(int column) const
{
    for (int row = 1; row <= CardRows; ++row) {
        if (Board(column, row) > LastCardCode) {
            return row;
        }
    }
    return CardRows + 1;
}

bool VantrelGame::TakesCard(int column) const
{
    if (column < FirstHandColumn || column > LastHandColumn) {
        return false;
    }
    const int row = FirstFreeRow(column);
    // The regular rules fill the hands row by row.
    return row <= CardRows && (RegularRules == False || row == RowLevel());
}

void VantrelGame::PlaceCard(int column)
{
    if (column < FirstHandColumn || column > LastHandColumn) {
        return;
    }
    if (!TakesCard(column)) {
        Beep();
        return;
    }
    const int row = FirstFreeRow(column);
    const int card = CurrentCard();
    Board(column, row) = card;
    LastMove = {column, row};
    DrawCell(card, column, row);
    SetUndoEnabled(true);
    DrawNextCard();
}

void VantrelGame::DrawNextCard()
{
    CurrentCard() = Deck[DeckPos];
    ++DeckPos;
    DrawCell(CurrentCard(), DeckColumn, CurrentCardRow);
    ++PlacedCount;
    if (PlacedCount == CardsPerRound) {
        Placing = False;
        SetUndoEnabled(false);
        DealCrib();
        TurnCutCard();
        ScoreRound();
    }
}

void VantrelGame::MenuGameUndoItemClick()
{
    SetUndoEnabled(false);
    if (LastMove.column == 0 || LastMove.row == 0) {
        return;
    }
    --PlacedCount;
    // The placed card becomes current again; the card drawn after it goes back to
    // its place in the deck.
    --DeckPos;
    CurrentCard() = Deck[DeckPos - 1];
    const auto [column, row] = LastMove;
    Board(column, row) = row == 1 ? OpenSlot : EraseCell;
    // The Top 5 list covers the table: the cells are painted when it closes, from the
    // state, rather than through the list now.
    if (HighScoreView == False) {
        DrawCell(CurrentCard(), DeckColumn, CurrentCardRow);
        DrawCell(Board(column, row), column, row);
        if (row > 1) {
            // The erase covered the lower part of the card above.
            DrawCell(Board(column, row - 1), column, row - 1);
        }
    }
    if (Board(column, row) == EraseCell) {
        Board(column, row) = Nothing;
    }
    LastMove = {};
}

void VantrelGame::MenuOptionsPlayRegGameItemClick()
{
    if (!RulesItemChecked(true)) {
        RegularRules = True;
        CheckRulesItem(true);
    }
    NewGame();
}

void VantrelGame::MenuOptionsRelaxedRulesItemClick()
{
    if (!RulesItemChecked(false)) {
        RegularRules = False;
        CheckRulesItem(false);
    }
    NewGame();
}

}  // namespace vantrel
