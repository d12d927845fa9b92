#include "engine/Deck.h"

#include <utility>

namespace vantrel {

namespace {

constexpr int HalfDeck = CardsInDeck / 2;
constexpr int ExchangesPerPass = 100;

void ExchangeRandomPairs(DeckOrder& deck, RandomGenerator& random)
{
    for (int n = 0; n < ExchangesPerPass; ++n) {
        // The first position is drawn before the second; both draws are used up
        // even when they name the same position.
        const int a = random.RandomInt(CardsInDeck) + 1;
        const int b = random.RandomInt(CardsInDeck) + 1;
        std::swap(deck[a], deck[b]);
    }
}

void SwapHalves(DeckOrder& deck)
{
    for (int i = 1; i <= HalfDeck; ++i) {
        std::swap(deck[i], deck[i + HalfDeck]);
    }
}

}  // namespace

void ShuffleDeck(DeckOrder& deck, RandomGenerator& random)
{
    deck[0] = 0;
    for (int i = 1; i <= CardsInDeck; ++i) {
        deck[i] = i;
    }
    ExchangeRandomPairs(deck, random);
    SwapHalves(deck);
    ExchangeRandomPairs(deck, random);
    SwapHalves(deck);
}

}  // namespace vantrel
