// How long one full repaint of the table takes in the middle of a round: the paint
// request as the window system makes it (felt, then PaintBoxPaint), the median of
// many, at both card sizes. With --save FOLDER the two tables are also written as
// PNG files for a look.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/Help.h"
#include "paint/PaintBox.h"
#include "platform/Desktop.h"
#include "store/StorePaths.h"

namespace {

constexpr int Repaints = 2000;
constexpr int PlacementsBeforeTiming = 7;

struct Timing {
    double median;
    double tenthWorst;
};

// Fills some of each hand so the table has faces, backs and open slots.
void PlayIntoMidRound(vantrel::TVantrelForm& form)
{
    form.NewGame();
    for (int i = 0; i < PlacementsBeforeTiming; ++i) {
        form.PlaceCard(vantrel::FirstHandColumn + i % 4);
    }
}

Timing TimeRepaints(vantrel::PaintBox& box)
{
    std::vector<double> micros;
    micros.reserve(Repaints);
    QElapsedTimer clock;
    for (int i = 0; i < Repaints; ++i) {
        box.Invalidate();
        clock.start();
        box.PaintPendingRequest();
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[micros.size() * 9 / 10]};
}

void Report(const char* size, const Timing& timing)
{
    std::printf("full repaint, %-7s cards: median %7.1f us, 90th percentile %7.1f us (%d runs)\n",
                size, timing.median, timing.tenthWorst, Repaints);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir stores;
    qputenv("VANTREL_USER_STORE", stores.filePath(QStringLiteral("user.reg")).toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const qsizetype saveAt = args.indexOf(QStringLiteral("--save"));
    const QString saveFolder =
        saveAt >= 0 && saveAt + 1 < args.size() ? args[saveAt + 1] : QString();

    vantrel::Desktop desktop = vantrel::RealDesktop();
    desktop.beep = [] {};
    const vantrel::HelpOpener help(desktop);
    vantrel::DonateReminder reminder(desktop, help);
    vantrel::TVantrelForm form({
        .desktop = desktop,
        .help = help,
        .reminder = reminder,
        .machineStore = vantrel::Registry(vantrel::RegistryRoot::Machine,
                                          {stores.filePath(QStringLiteral("machine.reg")), false}),
        .seed = [] { return 20240611u; },
    });
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    PlayIntoMidRound(form);

    // The card size as the player sets it, by the option's menu item.
    auto* largeCards = form.findChild<QAction*>(QStringLiteral("MenuOptionsSetLargeCards"));
    auto* paintBox = form.findChild<vantrel::PaintBox*>(QStringLiteral("PaintBox"));
    for (const bool large : {false, true}) {
        if (largeCards->isChecked() != large) {
            largeCards->trigger();
        }
        QApplication::processEvents();
        Report(large ? "large" : "regular", TimeRepaints(*paintBox));
        if (!saveFolder.isEmpty()) {
            paintBox->Surface().save(
                QDir(saveFolder).filePath(large ? "table-large.png" : "table-regular.png"));
        }
    }
    return 0;
}
