#pragma once

// The desktop's language, chosen without Qt, so that the command-line counter can
// speak it without loading Qt at all.

#include <functional>
#include <string>
#include <vector>

namespace vantrel {

// Reads one variable of the environment; empty when it is not set.
using VariableReader = std::function<std::string(const char* name)>;

// The languages the desktop asks for, best first, read as gettext reads them, so the
// program speaks what the desktop's other programs speak. The locale of messages is
// LC_ALL, else LC_MESSAGES, else LANG. The C locale (C.UTF-8 too), POSIX, or none asks
// for the program's own English and LANGUAGE is not looked at; any other locale is
// overruled by LANGUAGE, a colon-separated list, when that is set.
// The second reads the environment; on Windows, when it names no locale, the display
// languages chosen in Windows' settings are asked for instead.
std::vector<std::string> WantedLanguages(const VariableReader& variable);
std::vector<std::string> WantedLanguages();

// The first of the wanted languages that the program has, as has() answers for a
// name: "de_AT.UTF-8@euro" asks for "de_AT", then "de"; "pt_BR" for "pt_BR", then
// "pt". English ends the search, since it is what the program is written in: the
// answer is then empty, as it is when none is found.
std::string ChosenLanguage(const std::vector<std::string>& wanted,
                           const std::function<bool(const std::string& name)>& has);

}  // namespace vantrel
