#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// Text from the environment or the command line, made safe to echo on a terminal:
// every byte outside printable ASCII, and the backslash itself, is written as \xHH.
// An escape sequence hidden in a variable can then neither move the cursor nor
// retitle the terminal, and what was given can still be read back exactly.
inline std::string EscapedForTerminal(std::string_view text)
{
    constexpr char Hex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '\\') {
            escaped += c;
        } else {
            escaped += "\\x";
            escaped += Hex[byte >> 4];
            escaped += Hex[byte & 0x0f];
        }
    }
    return escaped;
}

}  // namespace vantrel
