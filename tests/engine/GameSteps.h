#pragma once

// Steps the engine suites share: the paint call a cell makes, a game started under
// either rules, and whole rounds placed. The generator starts at state 0, whose first
// deck is known:
// 31, 6, 51, 16, 2, 30, 36, 45, 48, 41, 46, 38, 42, 20, 3, 5, 49, 26, 23, 17, 21, 52, ...
#include <QString>

#include "RecordingGame.h"

namespace vantrel::testing {

// Said by a suite whose round did not end within its bound.
inline constexpr char RoundDidNotEnd[] =
    "the round did not end: every hand was offered its four cards";

inline QString Cell(int code, int column, int row)
{
    return QStringLiteral("DrawCell(%1,%2,%3)").arg(code).arg(column).arg(row);
}

inline void StartGame(RecordingGame& game, bool regular)
{
    game.storedPlayRegGame = regular ? 1 : 0;
    game.ResetGameState();
    game.NewGame();
    game.calls.clear();
}

// Places cards under the relaxed rules, one hand at a time, at most four to a hand, so
// that a refused placement cannot spin. True when the round is over.
inline bool FillHandsInColumnOrder(RecordingGame& game)
{
    for (int column = 2; column <= 5; ++column) {
        for (int card = 1; card <= 4 && game.Placing != 0 && game.Board(column, 4) > 52; ++card) {
            game.PlaceCard(column);
        }
    }
    return game.Placing == 0;
}

// Fills the hands row by row, as the regular rules ask, at most four rows. True when
// the round is over.
inline bool FillHandsRowByRow(RecordingGame& game)
{
    for (int row = 1; row <= 4 && game.Placing != 0; ++row) {
        for (int column = 2; column <= 5 && game.Placing != 0; ++column) {
            game.PlaceCard(column);
        }
    }
    return game.Placing == 0;
}

}  // namespace vantrel::testing
