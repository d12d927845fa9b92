// On Windows the program beeps and opens documents as Windows programs do: the
// default sound of MessageBeep, and ShellExecuteW with the window the player is using
// as the parent of whatever the shell shows.
#include "platform/DesktopShell.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <windows.h>

#include <shellapi.h>

namespace vantrel {

void SystemBeep() { MessageBeep(MB_OK); }

void OpenWithShell(const QUrl& target)
{
    const QString document = target.isLocalFile() ? QDir::toNativeSeparators(target.toLocalFile())
                                                  : target.toString(QUrl::FullyEncoded);
    const QWidget* window = QApplication::activeWindow();
    const HWND parent = window != nullptr ? reinterpret_cast<HWND>(window->winId()) : nullptr;
    ShellExecuteW(parent, nullptr, document.toStdWString().c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace vantrel
