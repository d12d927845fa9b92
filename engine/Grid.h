#pragma once

#include <array>
#include <cassert>

namespace vantrel {

// A small fixed table addressed from 1 in both directions, as the game's tables
// are: Grid<int, 6, 5> holds (1..6, 1..5).
template <typename T, int First, int Second>
class Grid {
public:
    constexpr T& operator()(int i, int j) { return cells_[Index(i, j)]; }
    constexpr const T& operator()(int i, int j) const { return cells_[Index(i, j)]; }

    constexpr void Fill(const T& value) { cells_.fill(value); }

    static constexpr int FirstSize = First;
    static constexpr int SecondSize = Second;

private:
    static constexpr std::size_t Index(int i, int j)
    {
        assert(i >= 1 && i <= First && j >= 1 && j <= Second);
        return static_cast<std::size_t>((i - 1) * Second + (j - 1));
    }

    std::array<T, static_cast<std::size_t>(First* Second)> cells_{};
};

}  // namespace vantrel
