#pragma once

#include <QColor>

#include <cstdint>

namespace vantrel {

// Colours are written 0xBBGGRR (blue, green, red), as the table's colour values are
// given and stored.
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t Grey = 0x808080;
inline constexpr std::uint32_t Yellow = 0x00FFFF;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Red = 0x0000FF;
inline constexpr std::uint32_t Blue = 0xFF0000;

// The two colour schemes of the table: the felt (the table and the window's
// background) and the panel (the score panel, its texts' ground and the WIN banner).
struct ColourScheme {
    std::uint32_t felt;
    std::uint32_t panel;
};
inline constexpr ColourScheme NormalColours{Green, Yellow};
inline constexpr ColourScheme AlternateColours{Grey, White};

// 0xBBGGRR to a QColor.
inline QColor ColourOf(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace vantrel
