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

QPalette FixedColours(std::uint32_t ground)
{
    // Built from its ground, a palette shades the bevels' light and dark lines from it.
    QPalette colours(ColourOf(ground), ColourOf(ground));
    // Disabled texts keep the grey the palette gives them.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::WindowText, ColourOf(Black));
        colours.setColor(group, QPalette::Text, ColourOf(Black));
        colours.setColor(group, QPalette::ButtonText, ColourOf(Black));
        colours.setColor(group, QPalette::Base, ColourOf(White));
    }
    return colours;
}

}  // namespace vantrel
