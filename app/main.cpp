// The program block: start-up and shut-down in their fixed order. The donation
// reminder's state is read before any window exists and written after every window
// is gone, so whatever a reminder shown at close decides is kept.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/VantrelForm.h"
#include "auxiliary/DonateReminder.h"

namespace {

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    window.move(available.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantrel"));
    // The reminder's state is kept under the name the program was started by, so a
    // link or copy under another name keeps a state of its own.
    const QString startedAs = argc > 0 && argv[0] != nullptr && argv[0][0] != '\0'
                                  ? QString::fromLocal8Bit(argv[0])
                                  : QApplication::applicationFilePath();
    vantrel::LoadDonateState(startedAs);

    int result = 0;
    {
        vantrel::TVantrelForm form;
        CentreOnScreen(form);
        form.show();
        // Without a window manager nothing activates the window, and its menu's
        // access keys would not reach it.
        form.activateWindow();
        result = QApplication::exec();
    }
    vantrel::SaveDonateState();
    return result;
}
