#include "store/SingleByteText.h"

#include <QList>

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

// The characters of the byte codes 0x80..0x9F, where Windows-1252 departs from
// Latin-1; 0 marks the five codes that stand for no character.
constexpr std::array<char16_t, 32> HighControlCodes = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88..8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98..9F
};
constexpr unsigned char FirstHighControlCode = 0x80;
constexpr unsigned char LastHighControlCode = 0x9F;

QChar CharacterOf(unsigned char byte)
{
    if (byte < FirstHighControlCode || byte > LastHighControlCode) {
        return QChar(byte);
    }
    const char16_t character = HighControlCodes[byte - FirstHighControlCode];
    return character != 0 ? QChar(character) : QChar(NoSingleByteForm);
}

char ByteOf(char32_t character)
{
    if (character == 0) {
        return NoSingleByteForm;  // it would end the name
    }
    const bool sameAsLatin1 =
        character < FirstHighControlCode || (character > LastHighControlCode && character <= 0xFF);
    if (sameAsLatin1) {
        return static_cast<char>(character);
    }
    const auto found = std::find(HighControlCodes.begin(), HighControlCodes.end(), character);
    if (found == HighControlCodes.end()) {
        return NoSingleByteForm;
    }
    return static_cast<char>(FirstHighControlCode + (found - HighControlCodes.begin()));
}

}  // namespace

QString NameFromStoredBytes(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    QString name;
    name.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        name.append(CharacterOf(static_cast<unsigned char>(byte)));
    }
    return name;
}

std::string StoredBytesFromName(const QString& name)
{
    std::string bytes;
    // One byte per character: a character outside the BMP is one '?', not two.
    for (const char32_t character : name.normalized(QString::NormalizationForm_C).toUcs4()) {
        bytes.push_back(ByteOf(character));
    }
    return bytes;
}

}  // namespace vantrel
