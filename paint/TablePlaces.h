#pragma once

// The table in words, for players who cannot see it: one place for each thing a
// sighted player looks at, with its area on the surface and what it shows now, as a
// screen reader speaks it ("Hand 2": "Five of Hearts, Jack of Spades, score 8"). The
// text follows the state exactly as the painting does, so the two never disagree.

#include <QString>

#include <vector>

#include "engine/VantrelGame.h"
#include "paint/TableLayout.h"
#include "paint/TablePainter.h"
#include "paint/TablePlace.h"

namespace vantrel {

// What the table shows, as the painting shows it: the eight places that are always
// there, then "Top 5" while the list covers the table and "WIN" while the banner
// shows. bannerWidth is how far the banner reaches.
std::vector<TablePlace> DescribeTable(const VantrelGame& game, const TopFive& top,
                                      const CardMetrics& cards, int bannerWidth);

// A card, a card back, or nothing, as a place speaks it.
QString CellInWords(int cellCode);

// The name of the hand in board column 2..5 ("Hand 1" .. "Hand 4").
QString HandName(int column);

// text, then his heels' points when the cut card scored them: "..., his heels 2".
QString WithHisHeels(const QString& text, const VantrelGame& game);

// The banner's word as it is painted, so that what is spoken of it matches it.
QString WinInWords();

// The hands the current card may go to now: "for Hand 2, 3 or 4", "for any hand".
QString HandsTakingCard(const VantrelGame& game);
bool EveryHandTakesCard(const VantrelGame& game);

// The Top 5 list as its view shows it: the heading, each name with its score, the
// closing line.
QString TopFiveInWords(const TopFive& top);

}  // namespace vantrel
