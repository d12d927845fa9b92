#include "tools/CountCommand.h"

#include "engine/Translatable.h"
#include "platform/TerminalText.h"
#include "tools/CardText.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

namespace vantrel {

namespace {

constexpr std::size_t CardsPerColumn = 5;

CountCommand Failure(CountError error)
{
    CountCommand command;
    command.error = std::move(error);
    return command;
}

CountCommand Answer(CountAction action)
{
    CountCommand command;
    command.action = action;
    return command;
}

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

// An argument quoted for an error message, with anything a terminal would act on escaped.
std::string Quoted(const std::string& argument)
{
    // Built by appending: at -O3, GCC 12 wrongly warns (-Wrestrict) about "'" + string&&.
    std::string quoted(1, '\'');
    quoted += EscapedForTerminal(argument);
    quoted += '\'';
    return quoted;
}

// Reads the five card names into codes, or says which one is wrong.
std::optional<CountError> ReadCards(const std::vector<std::string>& names,
                                    std::array<int, CardsPerColumn>& codes)
{
    if (names.size() != CardsPerColumn)
        return CountError{
            names.size() == 1
                ? Translatable("vantrel-count", "expected 4 hand cards and a cut card, got %1 card")
                : Translatable("vantrel-count",
                               "expected 4 hand cards and a cut card, got %1 cards"),
            {std::to_string(names.size())}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::optional<int> code = ParseCard(names[i]);
        if (!code)
            return CountError{
                //: The letters are what the command line reads: keep them
                Translatable("vantrel-count",
                             "unknown card %1 (write rank A 2..10 J Q K or T, then suit H C "
                             "D S)"),
                {Quoted(names[i])}};
        const auto end = codes.begin() + static_cast<std::ptrdiff_t>(i);
        const auto same = std::find(codes.begin(), end, *code);
        if (same != end)
            return CountError{
                //: %1 and %2 are the same card, as it was given each time
                Translatable("vantrel-count", "card %1 given twice (as %2 before)"),
                {Quoted(names[i]), Quoted(names[static_cast<std::size_t>(same - codes.begin())])}};
        codes[i] = *code;
    }
    return std::nullopt;
}

}  // namespace

CountCommand ParseCountCommand(const std::vector<std::string>& arguments)
{
    bool all = false;
    bool crib = false;
    bool optionsEnded = false;
    std::vector<std::string> cardNames;
    for (const std::string& argument : arguments) {
        if (optionsEnded)
            cardNames.push_back(argument);
        else if (argument == "--help" || argument == "-h")
            return Answer(CountAction::ShowHelp);
        else if (argument == "--version")
            return Answer(CountAction::ShowVersion);
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "--all")
            all = true;
        else if (argument == "--crib")
            crib = true;
        else if (IsOption(argument))
            return Failure(
                {Translatable("vantrel-count", "unknown option %1"), {Quoted(argument)}});
        else
            cardNames.push_back(argument);
    }

    CountCommand command;
    command.kind = crib ? ColumnKind::Crib : ColumnKind::Hand;
    if (all) {
        if (!cardNames.empty())
            return Failure({Translatable("vantrel-count",
                                         "--all counts every column and takes no cards, got %1"),
                            {Quoted(cardNames.front())}});
        command.action = CountAction::CountAll;
        return command;
    }
    std::array<int, CardsPerColumn> codes{};
    if (std::optional<CountError> error = ReadCards(cardNames, codes))
        return Failure(std::move(*error));
    std::copy(codes.begin(), codes.begin() + 4, command.hand.begin());
    command.cut = codes[4];
    command.action = CountAction::CountOne;
    return command;
}

}  // namespace vantrel
