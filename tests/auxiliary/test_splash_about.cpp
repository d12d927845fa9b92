// The splash and About window on its own: layout, modes, and what each click does.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AuxTestSupport.h"
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
            QCOMPARE(form.Image1->geometry(), QRect(0, 0, 280, 140));
            QCOMPARE(form.Image1->pixmap().size(), QSize(280, 140));
            QCOMPARE(form.btnClose->geometry(), QRect(258, 6, 16, 16));
            QCOMPARE(form.btnClose->text(), QStringLiteral("X"));
            QCOMPARE(form.lblEdition->text(), QStringLiteral("Freeware Edition"));
            QCOMPARE(form.lblEdition->geometry(), QRect(8, 56, 265, 22));
            QCOMPARE(form.lblProduct->text(), QStringLiteral("Vantrel 8.00"));
            QCOMPARE(form.lblProduct->geometry(), QRect(8, 32, 263, 25));
            QCOMPARE(form.Label3->text(), QStringLiteral("https://vantrel.example/"));
            QCOMPARE(form.Label3->geometry(), QRect(66, 112, 149, 13));
        }
    }

    void labelsUseTheirFontsAndColours()
    {
        TsplashForm form(nullptr, SplashMode::Splash);
        const QColor blue(0, 0, 255);
        QCOMPARE(form.lblEdition->font().pixelSize(), 13);
        QVERIFY(form.lblEdition->font().bold());
        QCOMPARE(form.lblEdition->palette().color(QPalette::WindowText), blue);
        QCOMPARE(form.lblProduct->font().pixelSize(), 16);
        QVERIFY(form.lblProduct->font().bold());
        QCOMPARE(form.Label3->font().pixelSize(), 11);
        QVERIFY(form.Label3->font().underline());
        QVERIFY(!form.Label3->font().bold());
        QCOMPARE(form.Label3->palette().color(QPalette::WindowText), blue);
        QCOMPARE(form.btnClose->font().pixelSize(), 11);
        QVERIFY(form.btnClose->font().bold());
        // Transparent labels: the picture shows around their text.
        QVERIFY(!form.lblProduct->autoFillBackground());
        QVERIFY(!form.Label3->autoFillBackground());
        // The bundled face is the one that is used, so the link fits its label.
        QCOMPARE(QFontInfo(form.Label3->font()).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(form.Label3->fontMetrics().horizontalAdvance(form.Label3->text()) <= 149);
    }

    void onlyTheAboutModeShowsTheCloseButton()
    {
        TsplashForm splash(nullptr, SplashMode::Splash);
        TsplashForm about(nullptr, SplashMode::About);
        QVERIFY(splash.btnClose->isHidden());
        QVERIFY(!about.btnClose->isHidden());
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
        QCOMPARE(form.CentredPosition(bounds),
                 QPoint(bounds.left() + (bounds.width() - 280) / 2,
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
        QCOMPARE(desktop.errors, 0);
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
};

QTEST_MAIN(SplashAboutTest)
#include "test_splash_about.moc"
