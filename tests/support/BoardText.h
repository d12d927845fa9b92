#pragma once

// The board as text: one line per row, each cell code right-aligned in three columns,
// an empty cell (99) as ".". A seeded table compared with one expected string shows
// at a glance what lies where, and a failure prints the whole board.
#include <QString>

#include "engine/VantrelGame.h"

namespace vantrel::testing {

inline QString BoardText(const VantrelGame& game)
{
    QString text;
    for (int row = 1; row <= BoardRows; ++row) {
        for (int column = 1; column <= CribColumn; ++column) {
            const int code = game.Board(column, row);
            const QString cell = code == Nothing ? QStringLiteral(".") : QString::number(code);
            text += cell.rightJustified(3);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace vantrel::testing
