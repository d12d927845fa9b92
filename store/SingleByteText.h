#pragma once

// The stored record holds its names as single-byte Windows-1252 text, as records
// written on the game's first platform do, while the window shows and takes Unicode
// text. These two conversions are the only road between them.

#include <QString>

#include <string>
#include <string_view>

namespace vantrel {

// Stands for a character that has no single-byte form, and for the five byte codes
// that stand for no character.
inline constexpr char NoSingleByteForm = '?';

// A stored name as it is shown: every byte its Windows-1252 character. A zero byte
// ends the name, so whatever follows it in the field is never drawn.
QString NameFromStoredBytes(std::string_view bytes);

// A typed name as the record stores it, one byte per character: composed first, so a
// letter typed as a base and an accent keeps its single-byte form; a character with no
// Windows-1252 form, and a zero character, becomes '?'.
std::string StoredBytesFromName(const QString& name);

}  // namespace vantrel
