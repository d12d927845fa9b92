// The donation dialog as a window: its layout, items, button, panel and link, and
// that every way of closing it hands the selected answer to the reminder once.
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "DarkDesktopTheme.h"
#include "DrawnPixels.h"
#include "FakeProgram.h"
#include "ModalAnswerer.h"
#include "ScreenReaderText.h"
#include "auxiliary/DonateForm.h"
#include "auxiliary/DonateReminder.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

// The width of a radio item's round mark and the gap before its text.
int IndicatorWidth(const QWidget* item)
{
    const QStyle* style = item->style();
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, item) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, item);
}

}  // namespace

class DonateDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    // For the cases that look at the dialog alone: nothing they do opens a page.
    FakeProgram quiet_;

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        qputenv("VANTREL_USER_STORE", folder_.filePath(QStringLiteral("user.reg")).toLocal8Bit());
    }

    void layoutAndColours()
    {
        TDonateForm form(nullptr, quiet_.reminder, quiet_.help);
        QCOMPARE(form.windowTitle(), QStringLiteral("Make a Donation"));
        QCOMPARE(form.size(), QSize(366, 473));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.Image1->pixmap().size(), QSize(350, 135));
        const QImage shown = ShownImage(&form);
        QCOMPARE(shown.pixelColor(3, 300), QColor(0xC0, 0xDC, 0xC0));
        const QColor cream(0xFF, 0xFB, 0xF0);
        QCOMPARE(MostCommonColour(shown, RectIn(&form, form.rgDonate)), cream);
        QCOMPARE(MostCommonColour(shown, RectIn(&form, form.Panel1)), cream);
    }

    // On the fixed cream the texts keep their colours whatever the desktop's theme.
    void underADarkThemeTheAnswersAndPanelTextsStayReadable()
    {
        DarkDesktopTheme theme;
        TDonateForm form(nullptr, quiet_.reminder, quiet_.help);
        const QImage shown = ShownImage(&form);
        const QColor cream(0xFF, 0xFB, 0xF0);
        for (QAbstractButton* item : form.rgDonateItems->buttons()) {
            const QRect text = RectIn(&form, item).adjusted(IndicatorWidth(item), 0, 0, 0);
            QCOMPARE(MostCommonColour(shown, text), cream);
            QVERIFY2(CountPixels(shown, text, IsDark) >= 40, qPrintable(item->text()));
        }
        for (const QLabel* label : {form.Label1, form.Label2}) {
            QVERIFY2(CountPixels(shown, RectIn(&form, label), IsDark) >= 200,
                     qPrintable(label->text()));
        }
        QVERIFY(CountPixels(shown, RectIn(&form, form.lblHomePage), IsBlue) >= 40);
    }

    void underADarkThemeOnlyTheSelectedAnswerIsMarked()
    {
        DarkDesktopTheme theme;
        TDonateForm form(nullptr, quiet_.reminder, quiet_.help);
        form.SetItemIndex(2);
        const QImage shown = ShownImage(&form);
        for (QAbstractButton* item : form.rgDonateItems->buttons()) {
            QRect mark = RectIn(&form, item);
            mark.setWidth(IndicatorWidth(item));
            QCOMPARE(CountPixels(shown, mark, IsDark) > 0, item == form.rgDonateItems->button(2));
        }
    }

    void textsOfItemsLabelsAndButton()
    {
        TDonateForm form(nullptr, quiet_.reminder, quiet_.help);
        const QStringList expected{
            QStringLiteral("Yes, take me to the donations page now!"),
            QStringLiteral("I still have to check it a bit more, show this again in two weeks"),
            QStringLiteral("I already made a donation, don't show this dialog again"),
            QStringLiteral("No, I don't want to donate, never show this dialog again"),
            QStringLiteral("Not now, notify me again in 1 day")};
        for (int index = 0; index < expected.size(); ++index) {
            QCOMPARE(form.rgDonateItems->button(index)->text(), expected.at(index));
        }
        QCOMPARE(form.rgDonateItems->buttons().size(), 5);
        QCOMPARE(form.ntmOK->text(), QStringLiteral("Proceed"));
        QCOMPARE(form.Label2->text(),
                 QStringLiteral("Donating is completely optional, and the amount you give is "
                                "entirely up to you.  Thank you."));
        QVERIFY(form.Label1->text().contains(QStringLiteral("vantrel.example")));
        QVERIFY(form.Label1->text().contains(QStringLiteral("\"thank you for a job well done\"")));
        QCOMPARE(form.lblHomePage->text(), QStringLiteral("https://vantrel.example/"));
    }

    void theButtonCarriesBothImages()
    {
        TDonateForm form(nullptr, quiet_.reminder, quiet_.help);
        const QIcon icon = form.ntmOK->icon();
        const QImage normal = icon.pixmap(24, 24, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(24, 24, QIcon::Disabled).toImage();
        const QImage sheet =
            QImage(QStringLiteral(":/pictures/proceed")).convertToFormat(normal.format());
        QCOMPARE(normal, sheet.copy(0, 0, 24, 24));
        QCOMPARE(disabled, sheet.copy(24, 0, 24, 24).convertToFormat(disabled.format()));
    }

    void opensWithTheFirstItemSelectedAndFocused()
    {
        TDonateForm form(nullptr, quiet_.reminder, quiet_.help);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.ItemIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), form.rgDonateItems->button(0));
        // The tab order: the radio group, then "Proceed".
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.ntmOK);
    }

    void theHomePageLinkLeavesTheDialogOpen()
    {
        FakeProgram program;
        FakeDesktop& desktop = program.desktop;
        program.reminder.LoadDonateState(QStringLiteral("/x/Vantrel"));
        TDonateForm form(nullptr, program.reminder, program.help);
        ModalAnswerer<TDonateForm> answerer([&desktop](TDonateForm* shown) {
            QTest::mouseClick(shown->lblHomePage, Qt::LeftButton, {},
                              shown->lblHomePage->rect().center());
            QVERIFY(shown->isVisible());
            QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://vantrel.example/"))});
            shown->SetItemIndex(3);
            shown->ntmOKClick();
        });
        form.exec();
        QCOMPARE(answerer.answered, 1);
        QCOMPARE(program.reminder.CurrentDonateState().DonateState, 3);
        QCOMPARE(desktop.opened.size(), 1);
    }

    void escapeDoesNotCloseIt()
    {
        FakeProgram program;
        FakeDesktop& desktop = program.desktop;
        program.reminder.LoadDonateState(QStringLiteral("/x/Vantrel"));
        TDonateForm form(nullptr, program.reminder, program.help);
        bool stillOpen = false;
        ModalAnswerer<TDonateForm> answerer([&stillOpen](TDonateForm* shown) {
            QTest::keyClick(shown, Qt::Key_Escape);
            stillOpen = shown->isVisible();
            shown->SetItemIndex(2);
            shown->close();
        });
        form.exec();
        QVERIFY(stillOpen);
        QCOMPARE(program.reminder.CurrentDonateState().DonateState, 2);
        QVERIFY(desktop.opened.isEmpty());
    }

    // Shown modally, as the reminder and the menu show it: the keyboard is on the
    // selected answer, the picture and the group read by name, and the link follows.
    void aScreenReaderReadsEveryPartAndFollowsTheLink()
    {
        FakeProgram program;
        FakeDesktop& desktop = program.desktop;
        program.reminder.LoadDonateState(QStringLiteral("/x/Vantrel"));
        TDonateForm form(nullptr, program.reminder, program.help);
        QString read;
        ModalAnswerer<TDonateForm> answerer([&](TDonateForm* shown) {
            read = QTest::qWaitForWindowActive(shown) ? ScreenReaderText(shown) : QString();
            PressThroughScreenReader(shown->lblHomePage);
            shown->SetItemIndex(AlreadyDonated);
            shown->ntmOKClick();
        });
        form.exec();
        QVERIFY2(
            read.startsWith("Dialog: Make a Donation\n Graphic: Thank you!\n"
                            " Grouping: Would you like to make a donation?\n"
                            "  RadioButton: Yes, take me to the donations page now! (focus)\n") &&
                read.contains("\n Button: Proceed\n") &&
                read.endsWith("\n  Link: https://vantrel.example/\n"),
            qPrintable(read));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://vantrel.example/"))});
    }

    void theAnswerIsAppliedOncePerShowing()
    {
        FakeProgram program;
        FakeDesktop& desktop = program.desktop;
        program.reminder.LoadDonateState(QStringLiteral("/x/Vantrel"));
        TDonateForm form(nullptr, program.reminder, program.help);
        form.show();
        form.SetItemIndex(0);
        form.ntmOKClick();
        form.reject();  // a second ending of the same showing
        QCOMPARE(desktop.opened.size(), 1);
    }
};

QTEST_MAIN(DonateDialogTest)
#include "test_donate_dialog.moc"
