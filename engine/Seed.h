#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

// A seed written as a decimal 0..4294967295 and nothing else; anything else is no seed.
std::optional<std::uint32_t> ParseSeed(std::string_view text);

// The low 32 bits of the high-resolution clock.
std::uint32_t ClockSeed();

}  // namespace vantrel
