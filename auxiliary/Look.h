#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include <cstdint>

#include "paint/Colours.h"

namespace vantrel {

// The bundled Liberation Sans at a pixel size, loaded from the program's resources on
// first use, so the small windows measure the same on every machine.
QFont AuxiliaryFont(int pixelSize, bool bold = false, bool underline = false);

// Colours of the auxiliary windows (0xBBGGRR, shown through ColourOf).
inline constexpr std::uint32_t LinkBlue = Blue;
inline constexpr std::uint32_t MoneyGreen = 0xC0DCC0;
inline constexpr std::uint32_t Cream = 0xF0FBFF;

// The colours of a part of a window whose ground is fixed and light: black text, a
// white ground for the round marks, and bevels shaded from the ground itself. A fixed
// ground keeps a fixed text colour, or a dark desktop theme writes light text on it.
QPalette FixedColours(std::uint32_t ground);

}  // namespace vantrel
