#include "platform/Desktop.h"

#include "platform/DesktopShell.h"

#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace vantrel {

namespace {

constexpr int NameEditLength = 255;

// The box's icon tells what kind of box it is; a screen reader is told it in words.
void NameIcon(const QMessageBox& box, const QString& name)
{
    for (auto* label : box.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            label->setAccessibleName(name);
        }
    }
}

bool ConfirmWithBox(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    NameIcon(box, QCoreApplication::translate("Desktop", "Question"));
    return box.exec() == QMessageBox::Ok;
}

// The text box. Its preset text is selected as it shows, and a screen reader told of
// that would read the selection out at once, cutting off what it was saying (the end
// of a game, before the name is asked for); it hears of the box itself a moment later,
// when the box takes the keyboard, with its text.
class TextBox : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

    void setVisible(bool visible) override
    {
        if (!visible) {
            QInputDialog::setVisible(false);
            return;
        }
        const QAccessible::UpdateHandler told =
            QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
        QInputDialog::setVisible(true);
        QAccessible::installUpdateHandler(told);
    }
};

QString AskTextWithBox(QWidget* parent, const QString& title, const QString& prompt,
                       const QString& preset, const QString& spoken)
{
    TextBox dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setAccessibleDescription(spoken);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    dialog.setInputMode(QInputDialog::TextInput);
    // The edit takes up to 255 characters and starts fully selected, as the box shows.
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setMaxLength(NameEditLength);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return preset;
    }
    return dialog.textValue();
}

void ShowErrorBox(QWidget* parent, const QString& text)
{
    // Titled like the window whose command failed, as the program's own box.
    const QString title =
        parent != nullptr ? parent->window()->windowTitle() : QApplication::applicationName();
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    NameIcon(box, QCoreApplication::translate("Desktop", "Error"));
    box.exec();
}

}  // namespace

Desktop RealDesktop()
{
    Desktop desktop;
    desktop.beep = SystemBeep;
    desktop.confirm = ConfirmWithBox;
    desktop.askText = AskTextWithBox;
    desktop.showError = ShowErrorBox;
    desktop.openUrl = OpenWithShell;
    desktop.today = [] { return QDate::currentDate(); };
    return desktop;
}

}  // namespace vantrel
