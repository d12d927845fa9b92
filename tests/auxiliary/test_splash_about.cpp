// The splash and About window on its own: layout, modes, and what each click does.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "FakeDesktop.h"
#include "ModalAnswerer.h"
#include "auxiliary/SplashForm.h"

using namespace vantrel;
using vantrel::testing::FakeDesktop;
using vantrel::testing::ModalAnswerer;

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

private slots:
    void bothModesShareABorderlessStayOnTopLayout()
    {
        for (const SplashMode mode : {SplashMode::Splash, SplashMode::About}) {
            TsplashForm form(nullptr, mode);
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

    void theLinkIsBlueUnderlinedAndFitsItsLabel()
    {
        TsplashForm form(nullptr, SplashMode::Splash);
        const QColor blue(0, 0, 255);
        QCOMPARE(form.lblEdition->palette().color(QPalette::WindowText), blue);
        QCOMPARE(form.Label3->palette().color(QPalette::WindowText), blue);
        QVERIFY(form.Label3->font().underline());
        // The bundled face is the one that is used, so the link fits its label.
        QCOMPARE(QFontInfo(form.Label3->font()).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(form.Label3->fontMetrics().horizontalAdvance(form.Label3->text()) <= 149);
    }

    void beforeItsOwnerIsShownItCentresOnTheOwnersStartingBounds()
    {
        QWidget owner;
        owner.setGeometry(10, 10, 600, 400);
        TsplashForm form(&owner, SplashMode::Splash);
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
        TsplashForm form(&owner, SplashMode::About);
        const QRect bounds = owner.frameGeometry();
        QCOMPARE(form.CentredPosition(bounds), QPoint(bounds.left() + (bounds.width() - 280) / 2,
                                                      bounds.top() + (bounds.height() - 140) / 2));
        form.ShowCentred();
        QCOMPARE(form.pos(), form.CentredPosition(bounds));
    }

    void aClickOnThePictureHidesButKeepsTheWindow()
    {
        TsplashForm form(nullptr, SplashMode::Splash);
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
        TsplashForm form(nullptr, about ? SplashMode::About : SplashMode::Splash);
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
        TsplashForm splash(nullptr, SplashMode::Splash);
        splash.ShowCentred();
        ClickAt(&splash, CentreOf(splash.Label3));
        QVERIFY(desktop.opened.isEmpty());

        TsplashForm about(nullptr, SplashMode::About);
        about.ShowCentred();
        ClickAt(&about, CentreOf(about.Label3));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://vantrel.example/"))});
        QVERIFY(about.isVisible());
    }

    void theCloseButtonEndsTheModalShowing()
    {
        TsplashForm form(nullptr, SplashMode::About);
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
        TsplashForm form(nullptr, SplashMode::About);
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
        TsplashForm about(nullptr, SplashMode::About);
        ModalAnswerer<TsplashForm> answerer(
            [](TsplashForm* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
        about.ShowModal();
        QCOMPARE(answerer.answered, 1);
        QVERIFY(about.isHidden());

        TsplashForm splash(nullptr, SplashMode::Splash);
        splash.ShowCentred();
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.isVisible());
    }
};

QTEST_MAIN(SplashAboutTest)
#include "test_splash_about.moc"
