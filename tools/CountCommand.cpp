#include "tools/CountCommand.h"

#include "tools/CardText.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

namespace vantrel {

namespace {

constexpr std::size_t CardsPerColumn = 5;

CountCommand Failure(std::string error)
{
    CountCommand command;
    command.error = std::move(error);
    return command;
}

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

// Reads the five card names into codes, or says which one is wrong.
std::optional<std::string> ReadCards(const std::vector<std::string>& names,
                                     std::array<int, CardsPerColumn>& codes)
{
    if (names.size() != CardsPerColumn)
        return "expected 4 hand cards and a cut card, got " + std::to_string(names.size()) +
               (names.size() == 1 ? " card" : " cards");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::optional<int> code = ParseCard(names[i]);
        if (!code)
            return "unknown card '" + names[i] +
                   "' (write rank A 2..10 J Q K or T, then suit H C D S)";
        const auto end = codes.begin() + static_cast<std::ptrdiff_t>(i);
        const auto same = std::find(codes.begin(), end, *code);
        if (same != end)
            return "card '" + names[i] + "' given twice (as '" +
                   names[static_cast<std::size_t>(same - codes.begin())] + "' before)";
        codes[i] = *code;
    }
    return std::nullopt;
}

}  // namespace

CountCommand ParseCountCommand(const std::vector<std::string>& arguments)
{
    bool all = false;
    bool crib = false;
    std::vector<std::string> cardNames;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            CountCommand help;
            help.action = CountAction::ShowHelp;
            return help;
        }
        if (argument == "--all")
            all = true;
        else if (argument == "--crib")
            crib = true;
        else if (IsOption(argument))
            return Failure("unknown option '" + argument + "'");
        else
            cardNames.push_back(argument);
    }

    CountCommand command;
    command.kind = crib ? ColumnKind::Crib : ColumnKind::Hand;
    if (all) {
        if (!cardNames.empty())
            return Failure("--all counts every column and takes no cards, got '" +
                           cardNames.front() + "'");
        command.action = CountAction::CountAll;
        return command;
    }
    std::array<int, CardsPerColumn> codes{};
    if (std::optional<std::string> error = ReadCards(cardNames, codes))
        return Failure(std::move(*error));
    std::copy(codes.begin(), codes.begin() + 4, command.hand.begin());
    command.cut = codes[4];
    command.action = CountAction::CountOne;
    return command;
}

}  // namespace vantrel
