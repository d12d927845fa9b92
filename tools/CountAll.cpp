#include "tools/CountAll.h"

#include "engine/Cards.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

namespace vantrel {

namespace {

constexpr int RankCount = 13;
constexpr int SuitCount = 4;

bool InHand(const std::array<int, 4>& hand, int card)
{
    return std::find(hand.begin(), hand.end(), card) != hand.end();
}

// A card of the given suit that is not in the hand. The suit part of the count reads
// only the cut card's suit, so any such card stands for every cut of that suit.
int CutOfSuit(const std::array<int, 4>& hand, int suit)
{
    int card = (suit - 1) * RankCount + 1;
    while (InHand(hand, card)) ++card;
    return card;
}

void AddInto(ScoreHistogram& sum, const ScoreHistogram& part)
{
    for (std::size_t score = 0; score < sum.size(); ++score) sum[score] += part[score];
}

}  // namespace

int ColumnCounter::HandKey(int rank1, int rank2, int rank3, int rank4)
{
    return (((rank1 - 1) * RankCount + rank2 - 1) * RankCount + rank3 - 1) * RankCount + rank4 - 1;
}

// Every multiset of four ranks is one pattern; every ordering of it maps to the pattern,
// so a hand needs no sorting to find its row. A row also holds the cut rank of which the
// hand has four already; that entry is never read, as the cut is always another card.
ColumnCounter::ColumnCounter() : patternOfHand_(RankCount * RankCount * RankCount * RankCount)
{
    for (int a = 1; a <= RankCount; ++a)
        for (int b = a; b <= RankCount; ++b)
            for (int c = b; c <= RankCount; ++c)
                for (int d = c; d <= RankCount; ++d) {
                    const auto pattern = static_cast<std::uint16_t>(patternPoints_.size());
                    CutRankPoints points{};
                    for (int cut = 1; cut <= RankCount; ++cut) {
                        const ColumnScore part = CountRankPart({a, b, c, d, cut});
                        points[static_cast<std::size_t>(cut)] =
                            static_cast<std::uint8_t>(part.Total());
                    }
                    patternPoints_.push_back(points);
                    std::array<int, 4> ranks{a, b, c, d};
                    do {
                        patternOfHand_[static_cast<std::size_t>(
                            HandKey(ranks[0], ranks[1], ranks[2], ranks[3]))] = pattern;
                    } while (std::next_permutation(ranks.begin(), ranks.end()));
                }
}

void ColumnCounter::AddHand(const std::array<int, 4>& hand, ColumnKind kind,
                            ScoreHistogram& histogram) const
{
    const CutRankPoints& points = patternPoints_[patternOfHand_[static_cast<std::size_t>(
        HandKey(CardRank(hand[0]), CardRank(hand[1]), CardRank(hand[2]), CardRank(hand[3])))]];
    std::array<int, SuitCount + 1> suitPoints{};
    for (int suit = 1; suit <= SuitCount; ++suit)
        suitPoints[static_cast<std::size_t>(suit)] =
            CountSuitPart(hand, CutOfSuit(hand, suit), kind).Total();

    // The hand as a set of bits makes the test for a cut in the hand one shift.
    std::uint64_t handBits = 0;
    for (int card : hand) handBits |= std::uint64_t{1} << card;
    for (int suit = 1; suit <= SuitCount; ++suit) {
        const int suitBonus = suitPoints[static_cast<std::size_t>(suit)];
        for (int cut = (suit - 1) * RankCount + 1; cut <= suit * RankCount; ++cut)
            if ((handBits >> cut & 1U) == 0)
                ++histogram[static_cast<std::size_t>(
                    points[static_cast<std::size_t>(CardRank(cut))] + suitBonus)];
    }
}

void ColumnCounter::AddHandsWithLowestCard(int lowest, ColumnKind kind,
                                           ScoreHistogram& histogram) const
{
    for (int b = lowest + 1; b <= CardsInDeck; ++b)
        for (int c = b + 1; c <= CardsInDeck; ++c)
            for (int d = c + 1; d <= CardsInDeck; ++d) AddHand({lowest, b, c, d}, kind, histogram);
}

ScoreHistogram CountAllColumns(ColumnKind kind, unsigned threads)
{
    const ColumnCounter counter;
    // The amount of work falls steeply with the lowest card, so the workers take the
    // lowest cards one at a time from a shared counter rather than in fixed blocks.
    std::atomic<int> nextLowest{1};
    const unsigned workerCount = std::max(threads, 1U);
    std::vector<ScoreHistogram> parts(workerCount, ScoreHistogram{});
    auto work = [&](ScoreHistogram& part) {
        for (int lowest = nextLowest++; lowest <= CardsInDeck - 3; lowest = nextLowest++)
            counter.AddHandsWithLowestCard(lowest, kind, part);
    };
    std::vector<std::jthread> workers;
    for (unsigned i = 1; i < workerCount; ++i) workers.emplace_back(work, std::ref(parts[i]));
    work(parts[0]);
    workers.clear();

    ScoreHistogram histogram{};
    for (const ScoreHistogram& part : parts) AddInto(histogram, part);
    return histogram;
}

}  // namespace vantrel
