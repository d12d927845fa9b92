#include "paint/TableFont.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QString>
#include <QStringList>

namespace vantrel {

namespace {

// Registers a bundled font straight from the program's resource data; the font
// engine reads the glyphs in place, so no copy of the file is made.
int AddResourceFont(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return QFontDatabase::addApplicationFont(path);
    }
    const auto* data = reinterpret_cast<const char*>(resource.data());
    return QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(data, static_cast<qsizetype>(resource.size())));
}

QString LoadedFamily(const char* resource)
{
    const int id = AddResourceFont(QString::fromLatin1(resource));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QStringLiteral("Liberation Sans") : families.first();
}

struct Families {
    QString bold;
    QString regular;
};

const Families& BundledFamilies()
{
    static const Families families{LoadedFamily(":/fonts/LiberationSans-Bold"),
                                   LoadedFamily(":/fonts/LiberationSans-Regular")};
    return families;
}

QFont FixedFont(const QString& family, int points, QFont::Weight weight)
{
    QFont font(family);
    font.setPixelSize(PixelSizeOfPoints(points));
    font.setWeight(weight);
    // Aliased and unhinted: every glyph lands on the same pixels whatever the
    // desktop's font settings say, and the table keeps its crisp one-colour text.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias |
                                               QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

}  // namespace

void LoadTableFonts() { BundledFamilies(); }

QFont TableFont(int points) { return FixedFont(BundledFamilies().bold, points, QFont::Bold); }

QFont RegularTableFont(int points)
{
    return FixedFont(BundledFamilies().regular, points, QFont::Normal);
}

}  // namespace vantrel
