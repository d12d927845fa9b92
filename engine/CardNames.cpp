#include "engine/CardNames.h"

#include <array>

#include "engine/Cards.h"
#include "engine/Translatable.h"

namespace vantrel {

namespace {

// Indexed by rank 1..13 and suit 1..4.
constexpr std::array<const char*, 14> RankNames = {"",
                                                   Translatable("Cards", "Ace"),
                                                   Translatable("Cards", "Two"),
                                                   Translatable("Cards", "Three"),
                                                   Translatable("Cards", "Four"),
                                                   Translatable("Cards", "Five"),
                                                   Translatable("Cards", "Six"),
                                                   Translatable("Cards", "Seven"),
                                                   Translatable("Cards", "Eight"),
                                                   Translatable("Cards", "Nine"),
                                                   Translatable("Cards", "Ten"),
                                                   Translatable("Cards", "Jack"),
                                                   Translatable("Cards", "Queen"),
                                                   Translatable("Cards", "King")};
constexpr std::array<const char*, 5> SuitNames = {
    "", Translatable("Cards", "Hearts"), Translatable("Cards", "Clubs"),
    Translatable("Cards", "Diamonds"), Translatable("Cards", "Spades")};

}  // namespace

//: A card's spoken name: %1 is its rank (Ace, Two, ..., King), %2 its suit
const char* const CardNameForm = Translatable("Cards", "%1 of %2");

const char* RankName(int rank)
{
    return rank >= 1 && rank <= King ? RankNames[static_cast<std::size_t>(rank)] : "";
}

const char* SuitName(int suit)
{
    return suit >= 1 && suit <= Spades ? SuitNames[static_cast<std::size_t>(suit)] : "";
}

std::string CardName(int code)
{
    if (code < 1 || code > CardsInDeck) {
        return {};
    }
    return std::string(RankName(CardRank(code))) + " of " + SuitName(CardSuit(code));
}

}  // namespace vantrel
