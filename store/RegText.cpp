#include "store/RegText.h"

#include "store/Windows1252.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vantrel::regtext {
namespace {

QByteArrayView viewOf(std::string_view bytes)
{
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string_view viewOf(const std::vector<std::uint8_t>& bytes)
{
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Qt's UTF-16 decoder passes a lone surrogate through; it is broken text all the
// same, shown as U+FFFD.
bool replaceLoneSurrogates(QString& text)
{
    bool replaced = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
            replaced = true;
        }
    }
    return replaced;
}

// Stateless: an incomplete sequence at the end is an error like any other, not a
// beginning kept for more input that never comes.
QString decode(QStringConverter::Encoding encoding, std::string_view bytes, bool& broken)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(viewOf(bytes));
    const bool loneSurrogates = replaceLoneSurrogates(text);
    broken = decoder.hasError() || loneSurrogates;
    return text;
}

std::vector<std::uint8_t> utf16le(const QString& text, bool terminate)
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    const QByteArray bytes = encoder.encode(text);
    std::vector<std::uint8_t> out(bytes.begin(), bytes.end());
    if (terminate) {
        out.push_back(0);
        out.push_back(0);
    }
    return out;
}

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string decodeFileText(std::string_view raw)
{
    bool broken = false;
    if (raw.starts_with("\xFF\xFE"))
        return decode(QStringConverter::Utf16LE, raw.substr(2), broken).toStdString();
    if (raw.starts_with("\xFE\xFF"))
        return decode(QStringConverter::Utf16BE, raw.substr(2), broken).toStdString();
    if (raw.starts_with("\xEF\xBB\xBF")) return std::string(raw.substr(3));
    return std::string(raw);
}

std::vector<std::uint8_t> toUtf16le(std::string_view utf8, bool terminate)
{
    bool broken = false;
    return utf16le(decode(QStringConverter::Utf8, utf8, broken), terminate);
}

std::optional<std::string> fromUtf16le(const std::vector<std::uint8_t>& bytes)
{
    std::string_view raw = viewOf(bytes);
    if (raw.size() % 2 != 0) return std::nullopt;
    if (raw.ends_with(std::string_view("\0\0", 2))) raw.remove_suffix(2);
    bool broken = false;
    const QString text = decode(QStringConverter::Utf16LE, raw, broken);
    if (broken) return std::nullopt;
    return text.toStdString();
}

std::vector<std::uint8_t> widenWindows1252(const std::vector<std::uint8_t>& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const std::uint8_t byte : bytes) {
        text.append(QChar(static_cast<char16_t>(Windows1252Character(byte).value_or(byte))));
    }
    return utf16le(text, false);
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    }
    return true;
}

std::string upperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = asciiUpper(c);
    return out;
}

}  // namespace vantrel::regtext
