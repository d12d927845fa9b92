#include "store/SingleByteText.h"

#include <cstdint>

namespace vantrel {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of a UTF-8 sequence from its lead byte; 0 for a byte that cannot lead.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

struct Decoded {
    std::uint32_t codePoint = 0;
    std::size_t length = 1;  // bytes consumed, at least one
    bool valid = false;
};

// Decodes the character at utf8[at]. A malformed sequence consumes its lead byte and
// the continuation bytes that follow it, so it turns into a single '?'.
Decoded DecodeAt(std::string_view utf8, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = SequenceLength(lead);
    Decoded result;
    if (length == 0 || at + length > utf8.size()) {
        while (at + result.length < utf8.size() &&
               IsContinuation(static_cast<unsigned char>(utf8[at + result.length]))) {
            ++result.length;
        }
        return result;
    }
    static constexpr unsigned char LeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t codePoint = lead & LeadMask[length];
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[at + i]);
        if (!IsContinuation(byte)) {
            result.length = i;
            return result;
        }
        codePoint = codePoint << 6 | (byte & 0x3Fu);
    }
    static constexpr std::uint32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    result.codePoint = codePoint;
    result.length = length;
    result.valid = codePoint >= Smallest[length] && codePoint <= 0x10FFFF &&
                   (codePoint < 0xD800 || codePoint > 0xDFFF);
    return result;
}

}  // namespace

std::string Latin1FromUtf8(std::string_view utf8)
{
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Decoded decoded = DecodeAt(utf8, at);
        const bool singleByte = decoded.valid && decoded.codePoint <= 0xFF;
        latin1.push_back(singleByte ? static_cast<char>(decoded.codePoint) : NoSingleByteForm);
        at += decoded.length;
    }
    return latin1;
}

std::string Utf8FromLatin1(std::string_view latin1)
{
    std::string utf8;
    utf8.reserve(latin1.size() * 2);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | byte >> 6));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

}  // namespace vantrel
