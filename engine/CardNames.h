#pragma once

// Cards in words, as a screen reader speaks them: "Ace of Spades", "Ten of Diamonds".

#include <string>

namespace vantrel {

// The full English name of card code 1..52; an empty text for any other code.
std::string CardName(int code);

}  // namespace vantrel
