// vantrel-count: the game's column count on the command line, for one column or as a
// histogram over every possible column.

#include "ProgramInfo.h"
#include "engine/Translatable.h"
#include "tools/CountAll.h"
#include "tools/CountCommand.h"
#include "tools/CountTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <thread>

namespace {

constexpr int ExitWriteFailed = 1;
constexpr int ExitBadUsage = 2;
constexpr unsigned MostWorkers = 8;

using vantrel::Said;
using vantrel::Translatable;

constexpr const char* UsageLine = Translatable(
    "vantrel-count",
    "usage: vantrel-count [--crib] CARD CARD CARD CARD CUT | vantrel-count --all [--crib] | "
    "vantrel-count --help | vantrel-count --version");

constexpr const char* HelpText =
    Translatable("vantrel-count",
                 "Counts a column of four cards with the cut card as the game does at the\n"
                 "end of a round, one line per part and then the total.\n\n"
                 "  --crib     count the column as the crib (a flush needs all five cards)\n"
                 "  --all      count every column of four cards and a different cut card\n"
                 "             and print how many make each score, as 'score count' for\n"
                 "             the scores 0..29\n"
                 "  --help     show this text\n"
                 "  --version  show the version\n"
                 "  --         end the options; what follows are cards\n\n"
                 "A card is its rank A 2 3 4 5 6 7 8 9 10 J Q K (or T for ten) followed by\n"
                 "its suit H C D S, in any case: 5h, 10S, TD, jc.\n");

void PrintColumn(const vantrel::ColumnScore& score)
{
    std::cout << "nobs " << score.nobs << "\nflush " << score.flush << "\npairs " << score.pairs
              << "\nruns " << score.runs << "\nfifteens " << score.fifteens << "\ntotal "
              << score.Total() << '\n';
}

void PrintHistogram(const vantrel::ScoreHistogram& histogram)
{
    for (std::size_t score = 0; score < histogram.size(); ++score)
        std::cout << score << ' ' << histogram[score] << '\n';
}

unsigned WorkerCount() { return std::clamp(std::thread::hardware_concurrency(), 1U, MostWorkers); }

// Output that never reached its file (a full disk, a closed pipe) is a failure: the
// exit status says so, and a line on standard error says why.
int FinishOutput()
{
    if (std::cout.flush()) return 0;
    const int cause = errno;
    std::cerr << "vantrel-count: "
              << Said(Translatable("vantrel-count", "cannot write the output"));
    if (cause != 0) std::cerr << ": " << std::strerror(cause);
    std::cerr << '\n';
    return ExitWriteFailed;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const vantrel::CountCommand command = vantrel::ParseCountCommand(arguments);
    // Only help and errors are put into the desktop's language: a count reads nothing
    // for it.
    const std::string help = command.action == vantrel::CountAction::ShowHelp
                                 ? Said(UsageLine) + "\n\n" + Said(HelpText)
                                 : std::string();
    errno = 0;  // so that a failed write's cause is the one reported
    switch (command.action) {
        case vantrel::CountAction::ShowHelp:
            std::cout << help;
            return FinishOutput();
        case vantrel::CountAction::ShowVersion:
            std::cout << "vantrel-count " << vantrel::ProgramVersion << '\n';
            return FinishOutput();
        case vantrel::CountAction::CountOne:
            PrintColumn(vantrel::CountColumn(command.hand, command.cut, command.kind));
            return FinishOutput();
        case vantrel::CountAction::CountAll:
            PrintHistogram(vantrel::CountAllColumns(command.kind, WorkerCount()));
            return FinishOutput();
        case vantrel::CountAction::Fail:
            break;
    }
    std::cerr << "vantrel-count: " << Said(command.error.text, command.error.arguments) << '\n'
              << Said(UsageLine) << '\n';
    return ExitBadUsage;
}
