#include "tools/CountTexts.h"

#include <cstring>

#include "platform/LanguageChoice.h"

namespace vantrel {

namespace {

bool HasLanguage(const std::string& name)
{
    for (std::size_t i = 0; i < CountTranslationCount; ++i) {
        if (name == CountTranslations[i].language) return true;
    }
    return false;
}

// Chosen on the first text said, so that a count never reads the environment for it.
const std::string& Language()
{
    static const std::string language = ChosenLanguage(WantedLanguages(), HasLanguage);
    return language;
}

const char* Translated(const char* english)
{
    for (std::size_t i = 0; i < CountTranslationCount; ++i) {
        const CountTranslation& entry = CountTranslations[i];
        if (Language() == entry.language && std::strcmp(english, entry.english) == 0) {
            return entry.translated;
        }
    }
    return english;
}

}  // namespace

std::string Said(const char* english, const std::vector<std::string>& arguments)
{
    const std::string text = Translated(english);
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto number = placeholder ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
        if (placeholder && number <= arguments.size()) {
            line += arguments[number - 1];
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

}  // namespace vantrel
