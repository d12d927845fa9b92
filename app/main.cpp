// The program block: start-up and shut-down in their fixed order, and the one place
// that chooses the real desktop, the help document's folder, the machine store and the
// shuffle's seed, which it hands to those that use them. The donation reminder's state
// is read before any window exists and written after every window is gone, so
// whatever a reminder shown at close decides is kept.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "ProgramInfo.h"
#include "app/StoreReasons.h"
#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/Help.h"
#include "engine/Seed.h"
#include "platform/Desktop.h"
#include "platform/Languages.h"
#include "platform/TerminalText.h"
#include "platform/WindowSystem.h"
#include "store/Registry.h"
#include "store/StorePaths.h"

namespace {

constexpr int ExitFailure = 1;

// What the program says on the terminal, in the player's language.
constexpr const char* Context = "CommandLine";

constexpr const char* HelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: vantrel [--help] [--version]\n"
    "\n"
    "Cribbage solitaire: each of five rounds, place sixteen cards into four hands,\n"
    "which are then counted with the cut card. The game is played in its window;\n"
    "any other argument is ignored.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Environment:\n"
    "  VANTREL_SEED           a number 0..4294967295 that seeds the shuffle\n"
    "  VANTREL_MACHINE_STORE  the file that keeps the options and the top-five list\n"
    "  VANTREL_USER_STORE     the file that keeps the donation reminder's state\n"
    "\n"
    "See vantrel(6).\n");

QString Said(const char* text) { return QCoreApplication::translate(Context, text); }

// Prints what --help or --version asks for; true when one was given. Both are answered
// before the application object exists, so they need no display.
bool AnswerInformationOption(int argc, char* argv[], const vantrel::ProgramLanguage& language)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(language.Translate(Context, HelpText).toLocal8Bit().constData(), stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vantrel %s\n", vantrel::ProgramVersion);
            return true;
        }
    }
    return false;
}

// Qt's messages while the application object connects to the display are held back:
// when no display can be opened, Qt's several lines and its abort give way to one line
// of ours and exit status 1; otherwise they are written out as they came.
struct StartupMessages {
    QStringList lines;
    QStringList warnings;
    const vantrel::ProgramLanguage* language = nullptr;
};

StartupMessages& HeldMessages()
{
    static StartupMessages held;
    return held;
}

bool IsUnset(const char* variable)
{
    const char* value = std::getenv(variable);
    return value == nullptr || value[0] == '\0';
}

[[noreturn]] void ReportNoWindow(const QString& qtMessage)
{
    const vantrel::ProgramLanguage& language = *HeldMessages().language;
    const QString reason =
        IsUnset("DISPLAY") && IsUnset("WAYLAND_DISPLAY")
            ? language.Translate(
                  Context,
                  QT_TRANSLATE_NOOP("CommandLine",
                                    "no display (DISPLAY and WAYLAND_DISPLAY are not set)"))
            : qtMessage.section(QLatin1Char('\n'), 0, 0);
    // The reason is escaped alone: what the translation says is the program's own.
    const QString line =
        language.Translate(Context, QT_TRANSLATE_NOOP("CommandLine", "cannot open a window: %1"))
            .arg(QString::fromStdString(
                vantrel::EscapedForTerminal(reason.toLocal8Bit().toStdString())));
    std::fprintf(stderr, "vantrel: %s\n", line.toLocal8Bit().constData());
    std::_Exit(ExitFailure);
}

void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    StartupMessages& held = HeldMessages();
    if (type == QtFatalMsg) {
        ReportNoWindow(held.warnings.isEmpty() ? message : held.warnings.first());
    }
    held.lines.append(qFormatLogMessage(type, context, message));
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        held.warnings.append(message);
    }
}

// Without a home folder there is nowhere to keep the list, the options and the
// reminder's state: the game plays on, and says once why nothing is kept.
void ReportStoresThatAreOff(const vantrel::StoreLocation& machineStore)
{
    for (const vantrel::StoreLocation& location : {machineStore, vantrel::userStoreLocation()}) {
        if (!location.unavailable.isEmpty()) {
            // The reason's own words in the player's language, the names in it escaped.
            const QString why =
                vantrel::ReasonInWords(location.unavailable, [](const QString& name) {
                    return QString::fromStdString(vantrel::EscapedForTerminal(name.toStdString()));
                });
            std::fprintf(stderr, "vantrel: %s\n",
                         Said(QT_TRANSLATE_NOOP("CommandLine", "nothing is kept between runs: %1"))
                             .arg(why)
                             .toLocal8Bit()
                             .constData());
            return;
        }
    }
}

// A save that waits for another copy of the game to finish its own shows the busy
// cursor; the wait is short and bounded.
void ShowBusyWhileTheStoreWaits(bool waiting)
{
    if (waiting) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

// The shuffle's seed, asked for once as the window starts: VANTREL_SEED when it holds
// a number, else the clock.
std::uint32_t StartingSeed()
{
    const char* text = std::getenv("VANTREL_SEED");
    if (text != nullptr) {
        if (const auto seed = vantrel::ParseSeed(text)) {
            return *seed;
        }
        // Echoed escaped: the variable may hold anything, terminal controls included.
        std::fprintf(stderr, "vantrel: %s\n",
                     Said(QT_TRANSLATE_NOOP("CommandLine",
                                            "VANTREL_SEED=\"%1\" is not a number 0..4294967295; "
                                            "seeding from the clock"))
                         .arg(QString::fromStdString(vantrel::EscapedForTerminal(text)))
                         .toLocal8Bit()
                         .constData());
    }
    return vantrel::ClockSeed();
}

// The installed help document lies in the data folder, found from the program's own
// location so that a player's own prefix works as well as the system's.
QString InstalledHelpFolder()
{
    return QDir::cleanPath(QDir(QApplication::applicationDirPath())
                               .filePath(QString::fromUtf8(vantrel::DataFolderFromProgram)));
}

void ReleaseStartupMessages(QtMessageHandler previous)
{
    qInstallMessageHandler(previous);
    for (const QString& line : HeldMessages().lines) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    HeldMessages() = StartupMessages();
}

// Shows the main window and runs the message loop until the window closes; the window
// is gone when this returns.
int RunMainWindow(vantrel::FormSeams seams)
{
    vantrel::TVantrelForm form(std::move(seams));
    form.CentreOnScreen();
    form.show();
    // Without a window manager nothing activates the window, and its menu's access keys
    // would not reach it. A Wayland compositor activates a new window itself and grants
    // no client's request to be activated.
    if (!vantrel::CompositorPlacesWindows()) {
        form.activateWindow();
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    // The desktop's language, chosen once; on an English desktop nothing is loaded.
    const vantrel::ProgramLanguage language(vantrel::DesktopLanguages());
    if (AnswerInformationOption(argc, argv, language)) {
        // A full disk or a closed pipe is a failure, not a printed answer.
        if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
            return 0;
        }
        std::fprintf(
            stderr, "vantrel: %s\n",
            language.Translate(Context, QT_TRANSLATE_NOOP("CommandLine", "cannot write the output"))
                .toLocal8Bit()
                .constData());
        return ExitFailure;
    }

    HeldMessages().language = &language;
    const QtMessageHandler previousHandler = qInstallMessageHandler(HoldStartupMessage);
#ifdef _WIN32
    // FreeType draws the text, as on Linux: the table's crisp one-colour glyphs land on
    // the same pixels, where Windows' own font engines would smooth them.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    }
#endif
    QApplication app(argc, argv);
    ReleaseStartupMessages(previousHandler);
    language.Install();
    QApplication::setApplicationName(QStringLiteral("vantrel"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vantrel::ApplicationId));
    const vantrel::Desktop desktop = vantrel::RealDesktop();
    const vantrel::HelpOpener help(desktop, InstalledHelpFolder(), language.Name());
    // The reminder's state is kept under the name the program was started by, so a
    // link or copy under another name keeps a state of its own.
    const QString startedAs = argc > 0 && argv[0] != nullptr && argv[0][0] != '\0'
                                  ? QString::fromLocal8Bit(argv[0])
                                  : QApplication::applicationFilePath();
    // Chosen once: the list a player sees never moves to another file mid-run.
    const vantrel::StoreLocation machineStore = vantrel::machineStoreLocation();
    ReportStoresThatAreOff(machineStore);
    vantrel::DonateReminder reminder(desktop, help);
    reminder.LoadDonateState(startedAs);

    const int result = RunMainWindow({
        .desktop = desktop,
        .help = help,
        .reminder = reminder,
        .machineStore =
            vantrel::Registry(vantrel::RegistryRoot::Machine, machineStore,
                              {.lockWait = ShowBusyWhileTheStoreWaits, .saveFault = {}}),
        .seed = StartingSeed,
    });
    reminder.SaveDonateState();
    return result;
}
