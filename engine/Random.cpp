#include "engine/Random.h"

namespace vantrel {

int RandomGenerator::RandomInt(int n)
{
    state_ = state_ * 134775813u + 1u;
    const std::uint64_t product = std::uint64_t{state_} * static_cast<std::uint32_t>(n);
    return static_cast<int>(product >> 32);
}

}  // namespace vantrel
