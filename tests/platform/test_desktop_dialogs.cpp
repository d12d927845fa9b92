// The desktop's own boxes as a screen reader reads them, and where the keyboard is
// when each one opens.
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "ModalAnswerer.h"
#include "ScreenReaderText.h"
#include "platform/Desktop.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

enum Box { ResetConfirmation, NamePrompt, ErrorBox };

const QString ResetQuestion = QStringLiteral("Do you really want to reset the High Scores?");
const QString NamePreset = QStringLiteral("Please enter your name!");

// Opens the box over an owner and returns its answer, in words, once it has closed.
QString OpenBox(Box box, QWidget* owner)
{
    Desktop& desktop = CurrentDesktop();
    switch (box) {
        case ResetConfirmation:
            return desktop.confirm(owner, QStringLiteral("Confirm"), ResetQuestion)
                       ? QStringLiteral("OK")
                       : QStringLiteral("Cancel");
        case NamePrompt:
            return desktop.askText(owner, QStringLiteral("New High Score"),
                                   QStringLiteral("Please enter your name:"), NamePreset);
        case ErrorBox:
            desktop.showError(owner, QStringLiteral("The record could not be written."));
            return {};
    }
    return {};
}

}  // namespace

class DesktopDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void eachBoxReadsItsTextWithTheKeyboardWhereExpected_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("answer");
        QTest::newRow("reset confirmation")
            << int(ResetConfirmation)
            << QStringLiteral(
                   "AlertMessage: Confirm = %1\n Graphic: Question\n StaticText: %1\n"
                   " Grouping\n  Button: OK (focus)\n  Button: Cancel\n")
                   .arg(ResetQuestion)
            << QString() << QStringLiteral("Cancel");
        QTest::newRow("name prompt")
            << int(NamePrompt)
            << QStringLiteral(
                   "Dialog: New High Score\n StaticText: Please enter your name:\n"
                   " EditableText: Please enter your name: = %1 (focus)\n"
                   " Grouping\n  Button: OK\n  Button: Cancel\n")
                   .arg(NamePreset)
            << NamePreset << NamePreset;
        QTest::newRow("error box")
            << int(ErrorBox)
            << QStringLiteral(
                   "AlertMessage: Vantrel = The record could not be written.\n"
                   " Graphic: Error\n StaticText: The record could not be written.\n"
                   " Grouping\n  Button: OK (focus)\n")
            << QString() << QString();
    }
    void eachBoxReadsItsTextWithTheKeyboardWhereExpected()
    {
        QFETCH(int, box);
        QFETCH(QString, expected);
        QFETCH(QString, selected);
        QFETCH(QString, answer);
        QWidget owner;
        owner.setWindowTitle(QStringLiteral("Vantrel"));
        QString read;
        QString selectedText;
        ModalAnswerer<QDialog> answerer([&](QDialog* shown) {
            read = QTest::qWaitForWindowActive(shown) ? ScreenReaderText(shown) : QString();
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                selectedText = edit->selectedText();
            }
            QTest::keyClick(shown->windowHandle(), Qt::Key_Escape);
        });
        QCOMPARE(OpenBox(static_cast<Box>(box), &owner), answer);
        QCOMPARE(read, expected);
        QCOMPARE(selectedText, selected);
    }
};

QTEST_MAIN(DesktopDialogsTest)
#include "test_desktop_dialogs.moc"
