#pragma once

// Steps the engine suites share: the paint call a cell makes, a game started under
// either rules, and whole rounds placed. The generator starts at state 0, whose first
// deck is known:
// 31, 6, 51, 16, 2, 30, 36, 45, 48, 41, 46, 38, 42, 20, 3, 5, 49, 26, 23, 17, 21, 52, ...
#include <QString>

#include "RecordingGame.h"

namespace vantrel::testing {

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

// Places cards under the relaxed rules until the round is over, one hand at a time.
inline void FillHandsInColumnOrder(RecordingGame& game)
{
    for (int column = 2; column <= 5; ++column) {
        while (game.Placing != 0 && game.Board(column, 4) > 52) {
            game.PlaceCard(column);
        }
    }
}

// Fills the hands row by row, as the regular rules ask.
inline void FillHandsRowByRow(RecordingGame& game)
{
    while (game.Placing != 0) {
        for (int column = 2; column <= 5 && game.Placing != 0; ++column) {
            game.PlaceCard(column);
        }
    }
}

}  // namespace vantrel::testing
