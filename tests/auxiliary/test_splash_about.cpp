// The splash and About window on its own: layout, modes, the colours its labels are
// drawn in, and what each click does.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <optional>

#include "DarkDesktopTheme.h"
#include "DrawnPixels.h"
#include "FakeDesktop.h"
#include "ModalAnswerer.h"
#include "ScreenReaderText.h"
#include "auxiliary/Help.h"
#include "auxiliary/SplashForm.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

// A click where the player would make it: on whatever is topmost at that point.
void ClickAt(QWidget* window, QPoint point)
{
    QWidget* target = window->childAt(point);
    QVERIFY2(target != nullptr, "nothing under the point");
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
}

QPoint CentreOf(const QWidget* child) { return child->geometry().center(); }

}  // namespace

class SplashAboutTest : public QObject {
    Q_OBJECT

private:
    // For the cases that look at the window alone: nothing they do opens a page.
    FakeDesktop quietDesktop_;
    HelpOpener quietHelp_{quietDesktop_.desktop()};

private slots:
    void bothModesShareABorderlessStayOnTopLayout()
    {
        for (const SplashMode mode : {SplashMode::Splash, SplashMode::About}) {
            TsplashForm form(nullptr, mode, quietHelp_);
            QCOMPARE(form.size(), QSize(280, 140));
            QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(form.Image1->pixmap().size(), QSize(280, 140));
            QCOMPARE(form.lblEdition->text(), QStringLiteral("Freeware Edition"));
            QCOMPARE(form.lblProduct->text(), QStringLiteral("Vantrel 8.00"));
            QCOMPARE(form.Label3->text(), QStringLiteral("https://vantrel.example/"));
            QCOMPARE(form.btnClose->isHidden(), mode == SplashMode::Splash);
        }
    }

    void theLinkIsUnderlinedAndFitsItsLabel()
    {
        TsplashForm form(nullptr, SplashMode::Splash, quietHelp_);
        QVERIFY(form.Label3->font().underline());
        // The bundled face is the one that is used, so the link fits its label.
        QCOMPARE(QFontInfo(form.Label3->font()).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(form.Label3->fontMetrics().horizontalAdvance(form.Label3->text()) <= 149);
    }

    // Over the fixed picture the labels keep their own colours whatever the desktop's
    // theme: the edition and the link blue, the product name dark.
    void theLabelsAreDrawnInTheirOwnColours_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<bool>("dark");
        QTest::newRow("splash") << false << false;
        QTest::newRow("about") << true << false;
        QTest::newRow("splash, dark theme") << false << true;
        QTest::newRow("about, dark theme") << true << true;
    }
    void theLabelsAreDrawnInTheirOwnColours()
    {
        QFETCH(bool, about);
        QFETCH(bool, dark);
        std::optional<DarkDesktopTheme> theme;
        if (dark) {
            theme.emplace();
        }
        TsplashForm form(nullptr, about ? SplashMode::About : SplashMode::Splash, quietHelp_);
        const QImage shown = ShownImage(&form);
        const QImage picture = form.Image1->pixmap().toImage();
        // Only what the label adds counts, not what the picture has there already.
        const auto added = [&](const QLabel* label, const auto& test) {
            return CountPixels(shown, label->geometry(), test) -
                   CountPixels(picture, label->geometry(), test);
        };
        QVERIFY2(added(form.lblEdition, IsBlue) >= 40, "the edition is not blue");
        QVERIFY2(added(form.Label3, IsBlue) >= 40, "the link is not blue");
        QVERIFY2(added(form.lblProduct, IsDark) >= 40, "the product name is not dark");
    }

    void beforeItsOwnerIsShownItCentresOnTheOwnersStartingBounds()
    {
        QWidget owner;
        owner.setGeometry(10, 10, 600, 400);
        TsplashForm form(&owner, SplashMode::Splash, quietHelp_);
        form.ShowCentred();
        QCOMPARE(form.pos(), QPoint(331 + 26, 111 + 63));
        QVERIFY(form.isVisible());
    }

    void theAboutWindowCentresOnItsOwnerWhereItStands()
    {
        QWidget owner;
        owner.setGeometry(200, 150, 520, 440);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        TsplashForm form(&owner, SplashMode::About, quietHelp_);
        const QRect bounds = owner.frameGeometry();
        QCOMPARE(form.CentredPosition(bounds), QPoint(bounds.left() + (bounds.width() - 280) / 2,
                                                      bounds.top() + (bounds.height() - 140) / 2));
        form.ShowCentred();
        QCOMPARE(form.pos(), form.CentredPosition(bounds));
    }

    void aClickOnThePictureHidesButKeepsTheWindow()
    {
        TsplashForm form(nullptr, SplashMode::Splash, quietHelp_);
        form.ShowCentred();
        ClickAt(&form, QPoint(20, 125));
        QVERIFY(form.isHidden());
        QVERIFY(form.Image1 != nullptr);
    }

    void clicksOnTheLabelsDoNotClose_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("splash") << false;
        QTest::newRow("about") << true;
    }
    void clicksOnTheLabelsDoNotClose()
    {
        QFETCH(bool, about);
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop());
        TsplashForm form(nullptr, about ? SplashMode::About : SplashMode::Splash, help);
        form.ShowCentred();
        for (QLabel* label : {form.lblProduct, form.lblEdition, form.Label3}) {
            ClickAt(&form, CentreOf(label));
            QVERIFY2(form.isVisible(), qPrintable(label->text()));
        }
        QVERIFY(desktop.errors.isEmpty());
    }

    void theLinkOpensTheHomePageInTheAboutModeOnly()
    {
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop());
        TsplashForm splash(nullptr, SplashMode::Splash, help);
        splash.ShowCentred();
        ClickAt(&splash, CentreOf(splash.Label3));
        QVERIFY(desktop.opened.isEmpty());

        TsplashForm about(nullptr, SplashMode::About, help);
        about.ShowCentred();
        ClickAt(&about, CentreOf(about.Label3));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://vantrel.example/"))});
        QVERIFY(about.isVisible());
    }

    void theCloseButtonEndsTheModalShowing()
    {
        TsplashForm form(nullptr, SplashMode::About, quietHelp_);
        ModalAnswerer<TsplashForm> answerer([](TsplashForm* shown) {
            QVERIFY(shown->isModal());
            ClickAt(shown, CentreOf(shown->btnClose));
        });
        form.ShowModal();
        QCOMPARE(answerer.answered, 1);
        QVERIFY(form.isHidden());
    }

    void aClickOnThePictureEndsTheModalShowingToo()
    {
        TsplashForm form(nullptr, SplashMode::About, quietHelp_);
        ModalAnswerer<TsplashForm> answerer(
            [](TsplashForm* shown) { ClickAt(shown, QPoint(270, 130)); });
        form.ShowModal();
        QCOMPARE(answerer.answered, 1);
        QVERIFY(form.isHidden());
    }

    // Escape closes the About window as its X button does; the splash keeps to its
    // picture and its timer.
    void escapeEndsTheAboutWindowButNotTheSplash()
    {
        TsplashForm about(nullptr, SplashMode::About, quietHelp_);
        ModalAnswerer<TsplashForm> answerer(
            [](TsplashForm* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
        about.ShowModal();
        QCOMPARE(answerer.answered, 1);
        QVERIFY(about.isHidden());

        TsplashForm splash(nullptr, SplashMode::Splash, quietHelp_);
        splash.ShowCentred();
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.isVisible());
    }

    // A screen reader names the About window and each of its parts, reads its version
    // as its description, and can follow the link, which has the keyboard and opens with
    // Return too; Escape pressed on the active window closes it. The splash's address is
    // text.
    void aScreenReaderReadsTheAboutWindowAndFollowsItsLink()
    {
        FakeDesktop desktop;
        const HelpOpener help(desktop.desktop());
        TsplashForm about(nullptr, SplashMode::About, help);
        QString read;
        QString described;
        bool active = false;
        ModalAnswerer<TsplashForm> answerer([&](TsplashForm* shown) {
            active = QTest::qWaitForWindowActive(shown);
            read = ScreenReaderText(shown);
            described =
                QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Description);
            PressThroughScreenReader(shown->Label3);
            QTest::keyClick(shown->windowHandle(), Qt::Key_Return);
            QTest::keyClick(shown->windowHandle(), Qt::Key_Escape);
        });
        about.ShowModal();
        QVERIFY(active && about.isHidden());
        QCOMPARE(read, QStringLiteral("Dialog: About Vantrel\n"
                                      " Graphic: Cribbage board and playing cards\n"
                                      " Button: Close\n"
                                      " StaticText: Freeware Edition\n"
                                      " StaticText: Vantrel 8.00\n"
                                      " Link: https://vantrel.example/ (focus)\n"));
        QCOMPARE(described, QStringLiteral("Vantrel 8.00, Freeware Edition"));
        QCOMPARE(desktop.opened, QList<QUrl>(2, QUrl(QStringLiteral("https://vantrel.example/"))));

        TsplashForm splash(nullptr, SplashMode::Splash, help);
        splash.ShowCentred();
        QVERIFY(ScreenReaderText(&splash).endsWith(" StaticText: https://vantrel.example/\n"));
    }
};

QTEST_MAIN(SplashAboutTest)
#include "test_splash_about.moc"
