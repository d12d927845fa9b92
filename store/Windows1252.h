#pragma once

// Windows-1252, the single-byte text of records and old-style store files written on
// the game's first platform. It is Latin-1 but for the bytes 0x80..0x9F, which hold
// typographic characters (the euro sign, curly quotes, dashes) instead of control
// codes; five of those bytes stand for no character.

#include <algorithm>
#include <array>
#include <optional>

namespace vantrel {

namespace windows1252 {

// The characters of the bytes 0x80..0x9F; 0 marks the five that stand for none.
inline constexpr std::array<char16_t, 32> HighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88..8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98..9F
};
inline constexpr unsigned char FirstHigh = 0x80;
inline constexpr unsigned char LastHigh = 0x9F;

}  // namespace windows1252

// The character a byte stands for, or nothing for the five bytes that stand for none.
constexpr std::optional<char32_t> Windows1252Character(unsigned char byte)
{
    if (byte < windows1252::FirstHigh || byte > windows1252::LastHigh) return byte;
    const char16_t character = windows1252::HighBlock[byte - windows1252::FirstHigh];
    if (character == 0) return std::nullopt;
    return character;
}

// The byte of a character, or nothing when it has no Windows-1252 form.
constexpr std::optional<unsigned char> Windows1252Byte(char32_t character)
{
    const bool sameAsItsCode = character < windows1252::FirstHigh ||
                               (character > windows1252::LastHigh && character <= 0xFF);
    if (sameAsItsCode) return static_cast<unsigned char>(character);
    const auto& block = windows1252::HighBlock;
    const auto found = std::find(block.begin(), block.end(), character);
    if (found == block.end()) return std::nullopt;
    return static_cast<unsigned char>(windows1252::FirstHigh + (found - block.begin()));
}

}  // namespace vantrel
