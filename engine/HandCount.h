#pragma once

#include <array>

// The cribbage hand count of one board column: four cards and the cut card.
// Pure computation, shared by the end-of-round count, the command-line counter and
// the tests, so all three agree on every hand.
namespace vantrel {

enum class ColumnKind { Hand, Crib };

struct ColumnScore {
    int nobs = 0;
    int flush = 0;
    int pairs = 0;
    int runs = 0;
    int fifteens = 0;

    constexpr int Total() const { return nobs + flush + pairs + runs + fifteens; }
    friend constexpr bool operator==(const ColumnScore&, const ColumnScore&) = default;
};

// Counts the column: cards are card codes 1..52 in row order 1..4, cut is a card code.
ColumnScore CountColumn(const std::array<int, 4>& cards, int cut, ColumnKind kind);

// Run points of five ranks sorted ascending, by the round's literal run scan.
int RunPoints(const std::array<int, 5>& ascendingRanks);

// Points for his heels: two when the cut card is a jack.
int HisHeels(int cut);

// CountColumn is the sum of the two parts below. They are public so that the
// command-line counter can count every possible column with the game's own code
// while computing each part only as often as its inputs change.

// The suit-dependent part of the count: nobs and flush (the other fields stay 0).
ColumnScore CountSuitPart(const std::array<int, 4>& cards, int cut, ColumnKind kind);

// The rank-only part of the count: pairs, runs and fifteens of the ranks of the four
// cards and the cut, given in any order (the other fields stay 0).
ColumnScore CountRankPart(const std::array<int, 5>& ranks);

// Ranks 1..13 sorted ascending by the round's exchange sort.
std::array<int, 5> SortRanks(std::array<int, 5> ranks);

// Two points for each of the ten index pairs of equal rank.
int PairPoints(const std::array<int, 5>& ranks);

// Two points for each of the 26 subsets of two or more cards that add up to 15, with
// jack, queen and king counting 10.
int FifteenPoints(const std::array<int, 5>& ranks);

}  // namespace vantrel
