#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

// Reads a card written as rank then suit, in any case: rank A 2..10 J Q K (T for ten),
// suit H C D S, as in "5h", "10S", "TD", "qc". Gives the card code 1..52, or nothing
// when the text names no card.
std::optional<int> ParseCard(std::string_view text);

}  // namespace vantrel
