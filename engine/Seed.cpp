#include "engine/Seed.h"

#include <charconv>
#include <chrono>

namespace vantrel {

std::optional<std::uint32_t> ParseSeed(std::string_view text)
{
    // Leading zeros are still the same number; the length check that follows keeps
    // from_chars from having to parse an absurdly long string.
    while (text.size() > 1 && text.front() == '0') {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    // from_chars takes a leading minus sign for signed types only, so "-1" and "+1"
    // fail here as they should.
    if (error != std::errc() || stop != end || value > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t ClockSeed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

}  // namespace vantrel
