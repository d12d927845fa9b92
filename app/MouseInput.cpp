// The left mouse button on the table: a press on the deck pile starts a round, a
// release over a hand places the current card, and any release takes the Top 5 list
// away. Other buttons do nothing.
#include "app/VantrelForm.h"
#include "paint/TableLayout.h"

namespace vantrel {

void TVantrelForm::PaintBoxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/, int X,
                                     int Y)
{
    if (button != Qt::LeftButton) {
        return;
    }
    SetDefaultCursor();
    if (HighScoreView != False || Placing != False) {
        return;
    }
    if (!OnDeckHotSpot(X, Y, CardWidth, CardHeight)) {
        return;
    }
    if (RoundNo >= 1 && RoundNo <= Rounds - 1) {
        StartNextRound();
    } else {
        NewGame();
    }
}

void TVantrelForm::PaintBoxMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/, int X,
                                   int /*Y*/)
{
    if (button != Qt::LeftButton) {
        return;
    }
    if (HighScoreView != False) {
        // Wherever the pointer is; this release places nothing.
        InvalidateWindow();
        HighScoreView = False;
        PaintBoxPaint();
        DrawBoard();
        return;
    }
    if (Placing != False) {
        // Y is not looked at: the whole band of a column, below the cards too.
        attemptedColumn_ = ColumnAt(X, CardWidth);
        PlaceCard(attemptedColumn_);
    }
}

}  // namespace vantrel
