#pragma once

// Text conversions of the store files: the files may come as UTF-8 or as UTF-16 with
// a byte-order mark, and string values are held as the native store holds them,
// UTF-16LE code units with a terminating NUL. The file format's own code speaks
// UTF-8 std::string; these conversions go through Qt's codecs.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::regtext {

// The file's bytes as UTF-8 text: a UTF-16LE or UTF-16BE byte-order mark selects that
// encoding, a UTF-8 mark is dropped, anything else is taken as UTF-8. Broken UTF-16
// (a lone surrogate, an odd last byte) becomes U+FFFD rather than failing.
std::string decodeFileText(std::string_view raw);

// UTF-8 to UTF-16LE bytes, followed by a NUL code unit when terminate is set.
// Bytes that are not valid UTF-8 become U+FFFD.
std::vector<std::uint8_t> toUtf16le(std::string_view utf8, bool terminate);

// UTF-16LE bytes to UTF-8, or nothing when the bytes are not valid UTF-16
// (odd size, lone surrogate). A trailing NUL code unit, if any, is dropped.
std::optional<std::string> fromUtf16le(const std::vector<std::uint8_t>& bytes);

// Single-byte Windows-1252 text (as old-style files hold it) widened to UTF-16LE, one
// code unit per byte. A byte that stands for no character keeps its own code, as the
// native converter does, so nothing is lost.
std::vector<std::uint8_t> widenWindows1252(const std::vector<std::uint8_t>& bytes);

// ASCII-only case folding; the store compares key and value names this way.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);
std::string upperAscii(std::string_view text);

}  // namespace vantrel::regtext
