#pragma once

// What the parts of the small windows are to a screen reader where Qt's own reading
// falls short: Qt reads a clickable label as plain text, a borderless window as an
// unnamed pane and a plain frame as a window frame. Nothing here changes what is drawn.
#include <QAccessible>

#include <functional>

class QLabel;
class QWidget;

namespace vantrel {

// The widget reads with this role instead of the one Qt gives it.
void ReadWithRole(QWidget* widget, QAccessible::Role role);

// The label reads as a link named by its text, whose press action does what a click
// on it does.
void ReadAsLink(QLabel* label, std::function<void()> follow);

}  // namespace vantrel
