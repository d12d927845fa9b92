#pragma once

#include "engine/HandCount.h"

#include <array>
#include <string>
#include <vector>

// The command line of vantrel-count, read into what to do.
namespace vantrel {

enum class CountAction { CountOne, CountAll, ShowHelp, ShowVersion, Fail };

struct CountCommand {
    CountAction action = CountAction::Fail;
    ColumnKind kind = ColumnKind::Hand;
    std::array<int, 4> hand{};
    int cut = 0;
    std::string error;  // what was wrong, when action is Fail; safe to print on a terminal
};

// Reads the arguments after the program name.
CountCommand ParseCountCommand(const std::vector<std::string>& arguments);

}  // namespace vantrel
