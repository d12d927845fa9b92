#pragma once

// One place of the table in words (see TablePlaces.h for how the places are made):
// free of the game, so that the drawing surface can hold places without knowing it.

#include <QRect>
#include <QString>

namespace vantrel {

enum class PlaceKind { Deck, Hand1, Hand2, Hand3, Hand4, Crib, CutCard, Scores, TopFive, Win };

// The places the keyboard focus moves between, in this order; Top 5 and WIN are only
// read.
inline constexpr int FocusPlaces = 8;

struct TablePlace {
    PlaceKind kind = PlaceKind::Deck;
    QString name;         // "Deck", "Hand 1" .. "Hand 4", "Crib", "Cut card", "Scores", ...
    QString description;  // what the place shows now
    QRect area;           // on the surface, in pixels of the table
};

}  // namespace vantrel
