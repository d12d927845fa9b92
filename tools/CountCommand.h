#pragma once

#include "engine/HandCount.h"

#include <array>
#include <string>
#include <vector>

// The command line of vantrel-count, read into what to do.
namespace vantrel {

enum class CountAction { CountOne, CountAll, ShowHelp, ShowVersion, Fail };

// What was wrong with a command line: an English text with %1 and %2 where the
// arguments go, so that it can be said in the player's language. The arguments are
// safe to print on a terminal.
struct CountError {
    const char* text = "";
    std::vector<std::string> arguments;
};

struct CountCommand {
    CountAction action = CountAction::Fail;
    ColumnKind kind = ColumnKind::Hand;
    std::array<int, 4> hand{};
    int cut = 0;
    CountError error;  // what was wrong, when action is Fail
};

// Reads the arguments after the program name.
CountCommand ParseCountCommand(const std::vector<std::string>& arguments);

}  // namespace vantrel
