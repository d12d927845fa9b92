#include "platform/LanguageChoice.h"

#include <algorithm>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include <cwchar>
#endif

namespace vantrel {

namespace {

std::string LocaleOfMessages(const VariableReader& variable)
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (std::string value = variable(name); !value.empty()) {
            return value;
        }
    }
    return {};
}

std::vector<std::string> SplitAtColons(const std::string& list)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start) {
            parts.push_back(list.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

#ifdef _WIN32
// The display languages the player chose in Windows' settings, best first, with the
// underscore of the environment's names: "de-DE" is "de_DE".
std::vector<std::string> DisplayLanguagesOfWindows()
{
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size)) {
        return {};
    }
    std::vector<wchar_t> names(size);
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
        return {};
    }
    std::vector<std::string> languages;
    for (const wchar_t* name = names.data(); *name != L'\0'; name += std::wcslen(name) + 1) {
        std::string language;
        for (const wchar_t* letter = name; *letter != L'\0'; ++letter) {
            language += *letter == L'-' ? '_' : static_cast<char>(*letter);
        }
        languages.push_back(language);
    }
    return languages;
}
#endif

}  // namespace

std::vector<std::string> WantedLanguages(const VariableReader& variable)
{
    const std::string locale = LocaleOfMessages(variable);
    // C.UTF-8 is the C locale in another character set: no language either.
    if (locale.empty() || locale == "C" || locale.rfind("C.", 0) == 0 || locale == "POSIX") {
        return {};
    }
    const std::string list = variable("LANGUAGE");
    return SplitAtColons(list.empty() ? locale : list);
}

std::vector<std::string> WantedLanguages()
{
    const VariableReader environment = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
#ifdef _WIN32
    // Windows players choose their language in its settings, not in the environment,
    // where only a Unix-like shell or a player asking for another language sets one.
    if (LocaleOfMessages(environment).empty()) {
        return DisplayLanguagesOfWindows();
    }
#endif
    return WantedLanguages(environment);
}

std::string ChosenLanguage(const std::vector<std::string>& wanted,
                           const std::function<bool(const std::string& name)>& has)
{
    for (const std::string& entry : wanted) {
        // "de_AT.UTF-8@euro": the language and country, then the language alone.
        const std::string language = entry.substr(0, entry.find_first_of(".@"));
        const std::string base = language.substr(0, language.find('_'));
        if (base == "en") {
            return {};
        }
        for (const std::string& name : {language, base}) {
            if (!name.empty() && has(name)) {
                return name;
            }
        }
    }
    return {};
}

}  // namespace vantrel
