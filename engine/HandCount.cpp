#include "engine/HandCount.h"

#include "engine/Cards.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace vantrel {

namespace {

bool IsNobs(int card, int cut) { return CardRank(card) == Jack && CardSuit(card) == CardSuit(cut); }

int NobsPoints(const std::array<int, 4>& cards, int cut)
{
    return static_cast<int>(
        std::count_if(cards.begin(), cards.end(), [cut](int card) { return IsNobs(card, cut); }));
}

bool AllOfSuit(const std::array<int, 4>& cards, int suit)
{
    return std::all_of(cards.begin(), cards.end(),
                       [suit](int card) { return CardSuit(card) == suit; });
}

// Five with the cut for every column; four without it for a hand only, since the crib
// needs all five cards of one suit.
int FlushPoints(const std::array<int, 4>& cards, int cut, ColumnKind kind)
{
    if (AllOfSuit(cards, CardSuit(cut))) return 5;
    if (kind == ColumnKind::Hand && AllOfSuit(cards, CardSuit(cards[0]))) return 4;
    return 0;
}

// The points of a run of three with one extra card of a rank already seen. The extra
// card may pair a rank of the run (a double run, 6) or sit below the run, apart from it.
int RunOfThreeWithOneDuplicate(const std::array<int, 5>& r)
{
    if (r[0] == r[1] && r[2] != r[1] + 1) return 3;
    if (r[3] != r[4]) return 6;
    if (r[3] - 1 == r[2]) return 6;
    return 3;
}

// Two duplicates with a run of three: two ranks doubled (12) or one rank tripled (9).
int RunOfThreeWithTwoDuplicates(const std::array<int, 5>& r)
{
    const bool doubledTwice = (r[0] == r[1] && r[2] == r[3]) || (r[0] == r[1] && r[3] == r[4]) ||
                              (r[1] == r[2] && r[3] == r[4]);
    return doubledTwice ? 12 : 9;
}

int RunPointsFromScan(int run, int dups, const std::array<int, 5>& r)
{
    switch (run) {
        case 3:
            if (dups == 0) return 3;
            if (dups == 1) return RunOfThreeWithOneDuplicate(r);
            if (dups == 2) return RunOfThreeWithTwoDuplicates(r);
            return 0;
        case 4:
            return dups == 0 ? 4 : 8;
        case 5:
            return 5;
        default:
            return 0;
    }
}

int FaceValue(int rank) { return std::min(rank, 10); }

}  // namespace

std::array<int, 5> SortRanks(std::array<int, 5> ranks)
{
    for (std::size_t i = 0; i < ranks.size(); ++i)
        for (std::size_t j = i + 1; j < ranks.size(); ++j)
            if (ranks[j] < ranks[i]) std::swap(ranks[i], ranks[j]);
    return ranks;
}

int PairPoints(const std::array<int, 5>& ranks)
{
    int points = 0;
    for (std::size_t i = 0; i < ranks.size(); ++i)
        for (std::size_t j = i + 1; j < ranks.size(); ++j)
            if (ranks[i] == ranks[j]) points += 2;
    return points;
}

// The scan walks the ascending ranks once, growing the run on each next rank and
// counting repeated ranks; a gap ends a run of three at once but not a run of four.
int RunPoints(const std::array<int, 5>& ascendingRanks)
{
    const std::array<int, 5>& r = ascendingRanks;
    int prev = r[0];
    int run = 1;
    int dups = 0;
    for (std::size_t k = 1; k < r.size(); ++k) {
        if (r[k] == prev + 1) {
            ++run;
        } else if (r[k] == prev) {
            ++dups;
        } else {
            if (run < 3) run = 1;
            if (run == 3) break;
        }
        prev = r[k];
    }
    return RunPointsFromScan(run, dups, r);
}

// Every subset of two or more of the five cards: bit i of the mask takes card i.
int FifteenPoints(const std::array<int, 5>& ranks)
{
    int points = 0;
    for (unsigned mask = 0; mask < 32U; ++mask) {
        if (std::popcount(mask) < 2) continue;
        int sum = 0;
        for (std::size_t i = 0; i < ranks.size(); ++i)
            if (mask & (1U << i)) sum += FaceValue(ranks[i]);
        if (sum == 15) points += 2;
    }
    return points;
}

ColumnScore CountSuitPart(const std::array<int, 4>& cards, int cut, ColumnKind kind)
{
    ColumnScore score;
    score.nobs = NobsPoints(cards, cut);
    score.flush = FlushPoints(cards, cut, kind);
    return score;
}

ColumnScore CountRankPart(const std::array<int, 5>& ranks)
{
    const std::array<int, 5> ascending = SortRanks(ranks);
    ColumnScore score;
    score.pairs = PairPoints(ascending);
    score.runs = RunPoints(ascending);
    score.fifteens = FifteenPoints(ascending);
    return score;
}

ColumnScore CountColumn(const std::array<int, 4>& cards, int cut, ColumnKind kind)
{
    ColumnScore score = CountSuitPart(cards, cut, kind);
    const ColumnScore ranks =
        CountRankPart({CardRank(cards[0]), CardRank(cards[1]), CardRank(cards[2]),
                       CardRank(cards[3]), CardRank(cut)});
    score.pairs = ranks.pairs;
    score.runs = ranks.runs;
    score.fifteens = ranks.fifteens;
    return score;
}

int HisHeels(int cut) { return CardRank(cut) == Jack ? 2 : 0; }

}  // namespace vantrel
