#pragma once

// What the counter says in the player's language, without Qt: loading Qt would cost a
// count several times its own time. The build writes the translations of the
// counter's texts from the translation files into a table.

#include <cstddef>
#include <string>
#include <vector>

namespace vantrel {

struct CountTranslation {
    const char* language;  // "de", "pt_BR", ...
    const char* english;
    const char* translated;
};

// Every finished translation of the counter's texts, as the build writes them.
extern const CountTranslation CountTranslations[];
extern const std::size_t CountTranslationCount;

// An English text in the desktop's language, with %1, %2 ... replaced in one pass by
// the arguments, so that an argument that itself holds "%2" stays as it was given.
// English where the language is not translated. Written in UTF-8, as the game writes.
std::string Said(const char* english, const std::vector<std::string>& arguments = {});

}  // namespace vantrel
