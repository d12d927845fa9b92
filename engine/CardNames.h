#pragma once

// Cards in words, as a screen reader speaks them: "Ace of Spades", "Ten of Diamonds".

#include <string>

namespace vantrel {

// How a rank and a suit make a card's name: "%1 of %2", the rank first.
extern const char* const CardNameForm;

// The English name of rank 1..13 ("Ace", "Two", ..., "King") and of suit 1..4
// ("Hearts", "Clubs", "Diamonds", "Spades"); marked for translation, so that they
// can be spoken in the player's language; an empty text for any other number.
const char* RankName(int rank);
const char* SuitName(int suit);

// The full English name of card code 1..52; an empty text for any other code.
std::string CardName(int code);

}  // namespace vantrel
