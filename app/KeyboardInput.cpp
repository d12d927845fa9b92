// The game from the keyboard, as players of desktop card games expect: the keys do
// what the left button does at the matching place of the table, through the very
// same handlers, so a key can never do what a click could not.
//   1..4              a release over hand 1..4: places the current card there
//   Space, Return     a click on the place the keyboard is on: on the deck pile (where
//                     the keyboard starts) it starts a round, on a hand it places the
//                     current card there
//   Left, Right,      move the keyboard between the deck, the four hands, the crib, the
//   Home, End         cut card and the scores; a mark shows where it is from then on
// While the Top 5 list covers the table, 1..4, Space and Return take it away, as a
// release does.
#include <QKeyEvent>

#include "app/VantrelForm.h"
#include "paint/PaintBox.h"
#include "paint/TableLayout.h"

namespace vantrel {

namespace {

// The hand of a digit key, 0 for any other key.
int HandOfKey(int key) { return key >= Qt::Key_1 && key <= Qt::Key_4 ? key - Qt::Key_1 + 1 : 0; }

bool IsActKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

bool TVantrelForm::IsPlayKey(int key, Qt::KeyboardModifiers shift)
{
    // With Control, Alt or Meta a key belongs to the menu and the desktop. Shift is
    // allowed: some keyboard layouts need it for the digits.
    const bool plain = (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    return plain && (HandOfKey(key) != 0 || IsActKey(key));
}

bool TVantrelForm::IsFocusKey(int key, Qt::KeyboardModifiers shift)
{
    const bool plain =
        (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier)) ==
        0;
    return plain && (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home ||
                     key == Qt::Key_End);
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
        ActOnPlace(paintBox->access().Focus());
    }
}

}  // namespace vantrel
