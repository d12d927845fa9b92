#include "platform/DesktopShell.h"

#include <QApplication>
#include <QDesktopServices>

namespace vantrel {

void SystemBeep() { QApplication::beep(); }

void OpenWithShell(const QUrl& target) { QDesktopServices::openUrl(target); }

}  // namespace vantrel
