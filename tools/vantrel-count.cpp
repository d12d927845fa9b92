// vantrel-count: the game's column count on the command line, for one column or as a
// histogram over every possible column.

#include "ProgramInfo.h"
#include "platform/Languages.h"
#include "tools/CountAll.h"
#include "tools/CountCommand.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <thread>

namespace {

constexpr int ExitWriteFailed = 1;
constexpr int ExitBadUsage = 2;
constexpr unsigned MostWorkers = 8;

// What the counter says, in the player's language.
constexpr const char* Context = "vantrel-count";

constexpr const char* UsageLine = QT_TRANSLATE_NOOP(
    "vantrel-count",
    "usage: vantrel-count [--crib] CARD CARD CARD CARD CUT | vantrel-count --all [--crib] | "
    "vantrel-count --help | vantrel-count --version");

constexpr const char* HelpText =
    QT_TRANSLATE_NOOP("vantrel-count",
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

std::string Said(const vantrel::ProgramLanguage& language, const char* text)
{
    return language.Translate(Context, text).toLocal8Bit().toStdString();
}

// The error in the player's language, its arguments put in with one pass, so that an
// argument that itself holds "%2" stays as it was given.
std::string ErrorLine(const vantrel::ProgramLanguage& language, const vantrel::CountError& error)
{
    const QString text = language.Translate(Context, error.text);
    const auto argument = [&](std::size_t i) { return QString::fromStdString(error.arguments[i]); };
    QString line = text;
    if (error.arguments.size() == 1) line = text.arg(argument(0));
    if (error.arguments.size() == 2) line = text.arg(argument(0), argument(1));
    return line.toLocal8Bit().toStdString();
}

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
int FinishOutput(const vantrel::ProgramLanguage& language)
{
    if (std::cout.flush()) return 0;
    const int cause = errno;
    std::cerr << "vantrel-count: "
              << Said(language, QT_TRANSLATE_NOOP("vantrel-count", "cannot write the output"));
    if (cause != 0) std::cerr << ": " << std::strerror(cause);
    std::cerr << '\n';
    return ExitWriteFailed;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const vantrel::CountCommand command = vantrel::ParseCountCommand(arguments);
    // The desktop's language; on an English desktop nothing is loaded.
    const vantrel::ProgramLanguage language(vantrel::DesktopLanguages());
    errno = 0;  // so that a failed write's cause is the one reported
    switch (command.action) {
        case vantrel::CountAction::ShowHelp:
            std::cout << Said(language, UsageLine) << "\n\n" << Said(language, HelpText);
            return FinishOutput(language);
        case vantrel::CountAction::ShowVersion:
            std::cout << "vantrel-count " << vantrel::ProgramVersion << '\n';
            return FinishOutput(language);
        case vantrel::CountAction::CountOne:
            PrintColumn(vantrel::CountColumn(command.hand, command.cut, command.kind));
            return FinishOutput(language);
        case vantrel::CountAction::CountAll:
            PrintHistogram(vantrel::CountAllColumns(command.kind, WorkerCount()));
            return FinishOutput(language);
        case vantrel::CountAction::Fail:
            break;
    }
    std::cerr << "vantrel-count: " << ErrorLine(language, command.error) << '\n'
              << Said(language, UsageLine) << '\n';
    return ExitBadUsage;
}
