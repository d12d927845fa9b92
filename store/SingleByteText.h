#pragma once

// The stored record holds its texts as single-byte (Latin-1) characters, while the rest
// of the program speaks UTF-8. These two conversions are the only road between them.

#include <string>
#include <string_view>

namespace vantrel {

// Stands for a character that has no single-byte form, and for broken UTF-8.
inline constexpr char NoSingleByteForm = '?';

// UTF-8 text to Latin-1 bytes, one byte per character: a character above U+00FF, and
// each malformed byte sequence, becomes '?', so the length in bytes is the length in
// characters.
std::string Latin1FromUtf8(std::string_view utf8);

// Latin-1 bytes to UTF-8 text; every byte is a character, so stored bytes always show
// as valid text.
std::string Utf8FromLatin1(std::string_view latin1);

}  // namespace vantrel
