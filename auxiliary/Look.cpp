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

}  // namespace vantrel
