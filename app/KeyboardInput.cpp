// The game from the keyboard, as players of desktop card games expect: the keys do
// what the left button does at the matching place of the table, through the very
// same handlers, so a key can never do what a click could not.
//   1..4              a release over hand 1..4: places the current card there
//   Space, Return     a click on the place the keyboard is on: on the deck pile (where
//                     the keyboard starts) it starts a round, on a hand it places the
//                     current card there
//   Left, Right,      move the keyboard between the deck, the four hands, the crib, the
//   Shift+Tab, Tab,   cut card and the scores, and stop at either end; a mark shows
//   Up, Down,         where it is from then on
//   Home, End
//   Escape            takes the Top 5 list away, as a release does
//   S, H              tell a screen reader where the game stands, and these keys
// While the Top 5 list covers the table, 1..4, Space and Return take it away too.
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

// With Control, Alt or Meta a key belongs to the menu and the desktop.
bool WithoutCommandKeys(Qt::KeyboardModifiers shift)
{
    return (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

}  // namespace

bool TVantrelForm::IsPlayKey(int key, Qt::KeyboardModifiers shift)
{
    // Shift is allowed: some keyboard layouts need it for the digits.
    return WithoutCommandKeys(shift) && (HandOfKey(key) != 0 || IsActKey(key));
}

int TVantrelForm::FocusStep(int key, Qt::KeyboardModifiers shift)
{
    if (!WithoutCommandKeys(shift)) {
        return 0;
    }
    // Shift+Tab reaches the window as Backtab, with Shift held.
    if (key == Qt::Key_Backtab) {
        return -1;
    }
    if ((shift & Qt::ShiftModifier) != 0) {
        return 0;
    }
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return -1;
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Tab:
            return 1;
        case Qt::Key_Home:
            return -FocusPlaces;
        case Qt::Key_End:
            return FocusPlaces;
        default:
            return 0;
    }
}

bool TVantrelForm::IsSpeechKey(int key, Qt::KeyboardModifiers shift)
{
    return WithoutCommandKeys(shift) && (shift & Qt::ShiftModifier) == 0 &&
           (key == Qt::Key_S || key == Qt::Key_H || key == Qt::Key_Escape);
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

void TVantrelForm::SpeechKeyDown(int key)
{
    if (key == Qt::Key_Escape) {
        if (HighScoreView != False) {
            PlayKeyDown(key);
        }
        return;
    }
    SayOnRequest(key == Qt::Key_S ? GameStandingInWords(*this) : KeysInWords());
}

}  // namespace vantrel
