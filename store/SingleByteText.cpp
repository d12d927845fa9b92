#include "store/SingleByteText.h"

#include <QList>

#include "store/Windows1252.h"

namespace vantrel {

namespace {

QChar CharacterOf(unsigned char byte)
{
    const std::optional<char32_t> character = Windows1252Character(byte);
    return character ? QChar(static_cast<char16_t>(*character)) : QChar(NoSingleByteForm);
}

char ByteOf(char32_t character)
{
    if (character == 0) {
        return NoSingleByteForm;  // it would end the name
    }
    return static_cast<char>(Windows1252Byte(character).value_or(NoSingleByteForm));
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
