#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace vantrel {

// The program's few side effects on the desktop. The program block makes the real one
// once and hands it by reference to everything that beeps, asks, opens or reads the
// date; tests hand in a fake that counts beeps, answers dialogs, records opened
// documents and sets the date.
struct Desktop {
    std::function<void()> beep;
    // Confirmation box "Confirm" with a question icon and OK/Cancel; true for OK.
    std::function<bool(QWidget* parent, const QString& title, const QString& text)> confirm;
    // Modal one-line text box, preset with text and fully selected. Returns the
    // edited text after OK and the preset text after Cancel or closing. A screen reader
    // reads the box with spoken, which says what the box is for.
    std::function<QString(QWidget* parent, const QString& title, const QString& prompt,
                          const QString& preset, const QString& spoken)>
        askText;
    // The standard error box.
    std::function<void(QWidget* parent, const QString& text)> showError;
    // Hands a document or web address to the desktop; the result is not looked at.
    std::function<void(const QUrl& target)> openUrl;
    std::function<QDate()> today;
};

// The real desktop: the standard boxes, the shell's opener, the system's beep and clock.
Desktop RealDesktop();

}  // namespace vantrel
