#include "auxiliary/Look.h"

#include "paint/TableFont.h"

namespace vantrel {

QFont AuxiliaryFont(int pixelSize, bool bold, bool underline)
{
    LoadTableFonts();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    // Fixed hinting, so that desktop font settings cannot move a glyph.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor BgrColour(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace vantrel
