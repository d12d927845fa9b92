#pragma once

// The board as text: one line per row, each cell right-aligned in four columns. A card
// is written as the counter reads it, rank then suit ("6D", "10H", "AS"); a card back
// is "##", an open slot "[]", the next-round prompt ">>", a cell being erased "~~" and
// an empty cell "."; any other code stays a number. A seeded table compared with one
// expected string shows at a glance what lies where, and a failure prints the whole
// board.
#include <QString>

#include <array>

#include "engine/Cards.h"
#include "engine/VantrelGame.h"

namespace vantrel::testing {

// Written out from the code layout rather than taken from the engine, so that a dump
// also catches a wrong rank or suit: in each suit's block of 13 codes (hearts, clubs,
// diamonds, spades) the two comes first and the ace last.
inline QString CardName(int code)
{
    static const std::array<const char*, 13> ranks = {"2", "3",  "4", "5", "6", "7", "8",
                                                      "9", "10", "J", "Q", "K", "A"};
    static const std::array<char, 4> suits = {'H', 'C', 'D', 'S'};
    const auto index = static_cast<std::size_t>(code - 1);
    return QLatin1String(ranks[index % 13]) + QLatin1Char(suits[index / 13]);
}

inline QString CellText(int code)
{
    if (code >= 1 && code <= LastCardCode) {
        return CardName(code);
    }
    switch (code) {
        case FaceDown:
            return QStringLiteral("##");
        case OpenSlot:
            return QStringLiteral("[]");
        case NextPrompt:
            return QStringLiteral(">>");
        case EraseCell:
            return QStringLiteral("~~");
        case Nothing:
            return QStringLiteral(".");
        default:
            return QString::number(code);
    }
}

inline QString BoardText(const VantrelGame& game)
{
    QString text;
    for (int row = 1; row <= BoardRows; ++row) {
        for (int column = 1; column <= CribColumn; ++column) {
            text += CellText(game.Board(column, row)).rightJustified(4);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace vantrel::testing
