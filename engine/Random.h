#pragma once

#include <cstdint>

namespace vantrel {

// The game's pseudo-random generator: a 32-bit linear congruential state whose
// values are scaled to a range through the high half of a 64-bit product. Deals
// depend on every bit of it, so a seeded game replays exactly.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : state_(seed) {}

    void Seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t State() const { return state_; }

    // Advances the state and returns a value 0..n-1.
    int RandomInt(int n);

private:
    std::uint32_t state_;
};

}  // namespace vantrel
