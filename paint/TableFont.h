#pragma once

#include <QFont>

namespace vantrel {

// The table's typeface is bundled with the program (Liberation Sans, Bold and
// Regular), so text measures and looks the same on every machine. Sizes are points
// at 96 pixels per inch and become fixed pixel sizes: the screen's own resolution
// never changes a text's size.

// Registers the bundled faces with the application; safe to call more than once.
void LoadTableFonts();

// Pixel size of a point size at 96 pixels per inch, rounded to the nearest pixel:
// 10 pt is 13 px, 12 pt is 16 px, 16 pt is 21 px.
constexpr int PixelSizeOfPoints(int points) { return (points * 96 * 2 + 72) / (72 * 2); }

// The bold face of the table at a point size: aliased, unhinted.
QFont TableFont(int points);

// The regular face at a point size, with the same fixed rendering.
QFont RegularTableFont(int points);

}  // namespace vantrel
