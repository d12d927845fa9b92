#include "engine/CardNames.h"

#include <array>

#include "engine/Cards.h"

namespace vantrel {

namespace {

// Indexed by rank 1..13 and suit 1..4.
constexpr std::array<const char*, 14> RankNames = {"",     "Ace",  "Two",   "Three", "Four",
                                                   "Five", "Six",  "Seven", "Eight", "Nine",
                                                   "Ten",  "Jack", "Queen", "King"};
constexpr std::array<const char*, 5> SuitNames = {"", "Hearts", "Clubs", "Diamonds", "Spades"};

}  // namespace

std::string CardName(int code)
{
    if (code < 1 || code > CardsInDeck) {
        return {};
    }
    return std::string(RankNames[CardRank(code)]) + " of " + SuitNames[CardSuit(code)];
}

}  // namespace vantrel
