#pragma once

#include <QUrl>

namespace vantrel {

// The system's beep and its shell's opener, the two calls of the real desktop that
// each platform makes its own way (DesktopShell.cpp, DesktopShellWindows.cpp).
void SystemBeep();
// Hands a document or web address to the program registered for it; the outcome is
// not looked at.
void OpenWithShell(const QUrl& target);

}  // namespace vantrel
