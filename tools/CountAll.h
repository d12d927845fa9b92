#pragma once

#include "engine/HandCount.h"

#include <array>
#include <cstdint>
#include <vector>

// Counts every possible column: each of the 270,725 sets of four cards with each of the
// 48 other cards as the cut, 12,994,800 combinations in all.
namespace vantrel {

inline constexpr int HighestColumnScore = 29;

// How many combinations make each column score 0..29.
using ScoreHistogram = std::array<std::int64_t, HighestColumnScore + 1>;

// Counts with the game's own two parts of the count, but computes the rank part once
// per pattern of ranks and the suit part once per hand and cut suit, so that the whole
// enumeration costs a table lookup per combination.
class ColumnCounter {
public:
    ColumnCounter();

    // Adds every combination whose lowest hand card code is `lowest` (1..49).
    void AddHandsWithLowestCard(int lowest, ColumnKind kind, ScoreHistogram& histogram) const;

private:
    // Rank-part points of a hand pattern (index into patternPoints_) by cut rank 1..13.
    using CutRankPoints = std::array<std::uint8_t, 14>;

    static int HandKey(int rank1, int rank2, int rank3, int rank4);
    void AddHand(const std::array<int, 4>& hand, ColumnKind kind, ScoreHistogram& histogram) const;

    // Pattern index of the hand ranks by HandKey, for the ranks in any order.
    std::vector<std::uint16_t> patternOfHand_;
    std::vector<CutRankPoints> patternPoints_;
};

// The whole histogram, shared out over `threads` worker threads.
ScoreHistogram CountAllColumns(ColumnKind kind, unsigned threads);

}  // namespace vantrel
