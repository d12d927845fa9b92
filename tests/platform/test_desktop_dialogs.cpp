// The desktop's own boxes as a screen reader reads them: each names its icon, the
// keyboard starts on OK or on the name with its preset selected, and Escape cancels.
#include <QDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <functional>

#include "ModalAnswerer.h"
#include "ScreenReaderText.h"
#include "platform/Desktop.h"

using namespace vantrel;
using namespace vantrel::testing;

class DesktopDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void eachBoxNamesItsIconAndStartsWithTheKeyboardWhereExpected()
    {
        QWidget owner;
        const Desktop desktop = RealDesktop();
        const std::function<void()> boxes[] = {
            [&] { QVERIFY(!desktop.confirm(&owner, "Confirm", "Reset the High Scores?")); },
            [&] {
                QCOMPARE(desktop.askText(&owner, "New High Score", "Your name:", "Ann", ""), "Ann");
            },
            [&] { desktop.showError(&owner, "The record could not be written."); }};
        QStringList read;
        for (const auto& open : boxes) {
            ModalAnswerer<QDialog> answerer([&read](QDialog* shown) {
                if (QTest::qWaitForWindowActive(shown)) {
                    read += ScreenReaderText(shown).split('\n').filter(
                        QRegularExpression("Graphic|focus"));
                }
                if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                    read += edit->selectedText();
                }
                QTest::keyClick(shown->windowHandle(), Qt::Key_Escape);
            });
            open();
        }
        QCOMPARE(read, QStringList({" Graphic: Question", "  Button: OK (focus)",
                                    " EditableText: Your name: = Ann (focus)", "Ann",
                                    " Graphic: Error", "  Button: OK (focus)"}));
    }
};

QTEST_MAIN(DesktopDialogsTest)
#include "test_desktop_dialogs.moc"
