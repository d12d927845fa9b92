// The game from the keyboard, as players of desktop card games expect: the keys do
// what the left button does at the matching place of the table, through the very
// same handlers, so a key can never do what a click could not.
//   1..4           a release over hand 1..4: places the current card there
//   Space, Return  a press on the deck pile or the next prompt
// While the Top 5 list covers the table, any of them takes it away, as a release does.
#include <QKeyEvent>

#include "app/VantrelForm.h"
#include "paint/TableLayout.h"

namespace vantrel {

namespace {

// The hand of a digit key, 0 for any other key.
int HandOfKey(int key) { return key >= Qt::Key_1 && key <= Qt::Key_4 ? key - Qt::Key_1 + 1 : 0; }

bool IsDeckKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

bool TVantrelForm::IsPlayKey(int key, Qt::KeyboardModifiers shift)
{
    // With Control, Alt or Meta a key belongs to the menu and the desktop. Shift is
    // allowed: some keyboard layouts need it for the digits.
    const bool plain = (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    return plain && (HandOfKey(key) != 0 || IsDeckKey(key));
}

void TVantrelForm::PlayKeyDown(int key)
{
    const int deckX = CellX(DeckColumn, CardWidth) + CardWidth / 2;
    const int deckY = CellY(1, RowPitch) + CardHeight / 2;
    if (HighScoreView != False) {
        PaintBoxMouseUp(Qt::LeftButton, Qt::NoModifier, deckX, deckY);
        return;
    }
    if (const int hand = HandOfKey(key)) {
        const int column = FirstHandColumn + hand - 1;
        PaintBoxMouseUp(Qt::LeftButton, Qt::NoModifier, CellX(column, CardWidth) + CardWidth / 2,
                        deckY);
    } else {
        PaintBoxMouseDown(Qt::LeftButton, Qt::NoModifier, deckX, deckY);
    }
}

}  // namespace vantrel
