#include "store/RegText.h"

namespace vantrel::regtext {
namespace {

constexpr char32_t ReplacementChar = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendUtf16le(std::vector<std::uint8_t>& out, char16_t unit)
{
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
}

bool isHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Reads one code point from UTF-8 at pos and advances pos; a malformed sequence
// gives U+FFFD and consumes one byte, so decoding always makes progress.
char32_t nextUtf8(std::string_view s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        ++pos;
        return ReplacementChar;
    }
    if (pos + static_cast<std::size_t>(extra) >= s.size()) {
        ++pos;
        return ReplacementChar;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return ReplacementChar;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < smallest[extra] || cp > 0x10FFFF || isHighSurrogate(cp) || isLowSurrogate(cp)) {
        ++pos;
        return ReplacementChar;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return cp;
}

// Decodes UTF-16 code units; strict mode reports broken input as failure, lenient mode
// substitutes U+FFFD.
std::optional<std::string> decodeUtf16(std::string_view raw, bool bigEndian, bool strict)
{
    if (strict && raw.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(raw.size() / 2);
    const std::size_t units = raw.size() / 2;
    auto unitAt = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(raw[2 * i]);
        const auto b = static_cast<unsigned char>(raw[2 * i + 1]);
        return bigEndian ? char32_t((a << 8) | b) : char32_t((b << 8) | a);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = unitAt(i);
        if (isHighSurrogate(u) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
            ++i;
        } else if (isHighSurrogate(u) || isLowSurrogate(u)) {
            if (strict) return std::nullopt;
            appendUtf8(out, ReplacementChar);
        } else {
            appendUtf8(out, u);
        }
    }
    if (raw.size() % 2 != 0) appendUtf8(out, ReplacementChar);
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string decodeFileText(std::string_view raw)
{
    if (startsWith(raw, "\xFF\xFE")) return *decodeUtf16(raw.substr(2), false, false);
    if (startsWith(raw, "\xFE\xFF")) return *decodeUtf16(raw.substr(2), true, false);
    if (startsWith(raw, "\xEF\xBB\xBF")) return std::string(raw.substr(3));
    return std::string(raw);
}

std::vector<std::uint8_t> toUtf16le(std::string_view utf8, bool terminate)
{
    std::vector<std::uint8_t> out;
    out.reserve(2 * utf8.size() + 2);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = nextUtf8(utf8, pos);
        if (cp >= 0x10000) {
            appendUtf16le(out, static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            appendUtf16le(out, static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            appendUtf16le(out, static_cast<char16_t>(cp));
        }
    }
    if (terminate) appendUtf16le(out, 0);
    return out;
}

std::optional<std::string> fromUtf16le(const std::vector<std::uint8_t>& bytes)
{
    std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (raw.size() >= 2 && raw.size() % 2 == 0 && raw[raw.size() - 1] == 0 &&
        raw[raw.size() - 2] == 0)
        raw.remove_suffix(2);
    return decodeUtf16(raw, false, true);
}

std::vector<std::uint8_t> widenLatin1(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::uint8_t> out;
    out.reserve(2 * bytes.size());
    for (const std::uint8_t b : bytes) appendUtf16le(out, b);
    return out;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace vantrel::regtext
