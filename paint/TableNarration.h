#pragma once

// What an action of the player came to, in words, for a screen reader to announce:
// "Five of Hearts to Hand 2. Next: Jack of Spades". The game is compared as it was
// before the action with the game after it, so every way of acting (a click, a key, a
// menu item) is told the same way, and an action that changed nothing tells nothing.

#include <QString>

#include "engine/VantrelGame.h"
#include "paint/TablePainter.h"

namespace vantrel {

// The part of the game an action can change.
struct TableMoment {
    Grid<int, CribColumn, BoardRows> board;
    Grid<int, TotalRow, ShownScoreColumn> scores;
    DeckOrder deck{};
    int roundNo = 0;
    int placedCount = 0;
    bool placing = false;
    bool highScoreView = false;
};

TableMoment MomentOf(const VantrelGame& game);

// What happened between before and the game as it is now: a round or game started, a
// card placed, a placement taken back, a round counted (and the game's end), the Top 5
// list opened or closed. Empty when nothing the player sees changed.
QString NarrateAction(const TableMoment& before, const VantrelGame& after, const TopFive& top);

// Where the game stands, for the key that asks: the round, the card to place and the
// hands that take it, the cards left to place, the round's count and the game total.
QString GameStandingInWords(const VantrelGame& game);

// Why the hand in board column 2..5 refused the card to place, as the game stands.
QString RefusalInWords(const VantrelGame& game, int column);

}  // namespace vantrel
