#pragma once

#include <array>

#include "engine/Cards.h"
#include "engine/Random.h"

namespace vantrel {

// The dealing order of one round, indexed 1..52 (index 0 is unused).
using DeckOrder = std::array<int, CardsInDeck + 1>;

// Refills the deck from the ordered deck and mixes it with exactly 400 values of
// the generator. The order of the draws is part of the game: a seed names a deal.
void ShuffleDeck(DeckOrder& deck, RandomGenerator& random);

// Deck positions of one round's cards. The pattern is the same under both rules.
inline constexpr int FirstHandPosition = 1;   // 1..16: the hand cards, in offer order
inline constexpr int SpareCardPosition = 17;  // shown, then covered by the cut card
inline constexpr int FirstCribPosition = 18;  // 18..21: the crib, rows 1..4
inline constexpr int CutCardPosition = 22;

}  // namespace vantrel
