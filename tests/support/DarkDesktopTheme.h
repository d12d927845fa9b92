#pragma once

// A dark desktop theme for as long as it lives: the application palette a dark theme
// hands to every window (light text on dark ground), set before the windows are made.
#include <QApplication>
#include <QColor>
#include <QPalette>

namespace vantrel::testing {

class DarkDesktopTheme {
public:
    DarkDesktopTheme() : before_(QApplication::palette())
    {
        // Built from a dark ground, a palette gives light text and a black base.
        const QColor ground(0x35, 0x35, 0x35);
        QApplication::setPalette(QPalette(ground, ground));
    }
    ~DarkDesktopTheme() { QApplication::setPalette(before_); }
    DarkDesktopTheme(const DarkDesktopTheme&) = delete;
    DarkDesktopTheme& operator=(const DarkDesktopTheme&) = delete;

private:
    QPalette before_;
};

}  // namespace vantrel::testing
