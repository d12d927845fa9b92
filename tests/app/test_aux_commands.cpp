// The main window's auxiliary commands in the real window: the start-up splash and
// its timer, the About command, help, "Make a Donation", and the reminder's load and
// save around the window's life in the order the program block runs them.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "FakeProgram.h"
#include "FormProbe.h"
#include "HelpDocumentInWorkingFolder.h"
#include "ModalAnswerer.h"
#include "PrivateStores.h"
#include "app/VantrelForm.h"
#include "auxiliary/DonateForm.h"
#include "auxiliary/DonateReminder.h"
#include "auxiliary/SplashForm.h"
#include "store/Registry.h"

using namespace vantrel;
using vantrel::testing::FakeDesktop;
using vantrel::testing::FakeProgram;
using vantrel::testing::FormProbe;
using vantrel::testing::HelpDocumentInWorkingFolder;
using vantrel::testing::MenuItem;
using vantrel::testing::ModalAnswerer;
using vantrel::testing::Timer1Of;

namespace {

const QString Section = QStringLiteral("Software\\Vantrel\\DonateForm");

std::optional<qint32> StoredValue(const char16_t* name)
{
    auto key = Registry(RegistryRoot::User).openExisting(Section);
    return key ? key->readInteger(name) : std::nullopt;
}

}  // namespace

class AuxCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<FakeProgram> program_;
    FakeDesktop* desktop_ = nullptr;  // the program's

    std::unique_ptr<TVantrelForm> NewForm()
    {
        return vantrel::testing::MakeForm(*program_,
                                          folder_.filePath(QStringLiteral("machine.reg")));
    }
    DonateReminder& Reminder() { return program_->reminder; }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        vantrel::testing::UsePrivateStores(folder_);
    }
    void init()
    {
        program_ = std::make_unique<FakeProgram>();
        desktop_ = &program_->desktop;
    }
    void cleanup()
    {
        desktop_ = nullptr;
        program_.reset();
    }

    void theStartupSplashShowsOverTheStartingBoundsAndTheTimerReleasesIt()
    {
        const auto form = NewForm();
        const QPointer<TsplashForm> splash = FormProbe(*form).splashForm();
        QVERIFY(splash);
        QCOMPARE(splash->Mode(), SplashMode::Splash);
        QCOMPARE(splash->parentWidget(), form.get());
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->pos(), QPoint(357, 174));
        QVERIFY(Timer1Of(*form)->isActive());
        QCOMPARE(Timer1Of(*form)->interval(), 1500);
        form->show();
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 5000);
        QVERIFY(!Timer1Of(*form)->isActive());
    }

    void aSplashHiddenByAClickStaysHiddenUntilReleased()
    {
        const auto form = NewForm();
        const QPointer<TsplashForm> splash = FormProbe(*form).splashForm();
        QTest::mouseClick(splash->Image1, Qt::LeftButton, {}, QPoint(10, 130));
        QVERIFY(splash->isHidden());
        FormProbe(*form).Timer1Timer();
        QVERIFY(!Timer1Of(*form)->isActive());
        QVERIFY(splash);  // released once the events queued for it are handled
        QVERIFY(splash->isHidden());
        QTRY_VERIFY(splash.isNull());
    }

    void aboutStopsTheTimerAndShowsAModalWindowReleasedAfterIt()
    {
        const auto form = NewForm();
        form->show();
        const QPointer<TsplashForm> startup = FormProbe(*form).splashForm();
        QPointer<TsplashForm> about;
        ModalAnswerer<TsplashForm> answerer([&](TsplashForm* shown) {
            about = shown;
            QCOMPARE(shown->Mode(), SplashMode::About);
            QVERIFY(shown != startup);
            QCOMPARE(FormProbe(*form).splashForm(), shown);
            QVERIFY(!shown->btnClose->isHidden());
            QVERIFY(!Timer1Of(*form)->isActive());
            QTest::mouseClick(shown->btnClose, Qt::LeftButton);
        });
        MenuItem(*form, "AboutVantrel1")->trigger();
        QCOMPARE(answerer.answered, 1);
        QVERIFY(about.isNull());
        // The start-up splash is no longer closed by the timer.
        QTest::qWait(1700);
        QVERIFY(startup);
        QVERIFY(startup->isVisible());
        QVERIFY(desktop_->errors.isEmpty());
    }

    void theAboutWindowComesAnewEachTime()
    {
        const auto form = NewForm();
        form->show();
        for (int time = 0; time < 3; ++time) {
            QPointer<TsplashForm> about;
            ModalAnswerer<TsplashForm> answerer([&about](TsplashForm* shown) {
                about = shown;
                QTest::mouseClick(shown->Image1, Qt::LeftButton, {}, QPoint(5, 5));
            });
            MenuItem(*form, "AboutVantrel1")->trigger();
            QCOMPARE(answerer.answered, 1);
            QVERIFY(about.isNull());
        }
    }

    void contentsOpensTheHelpDocument()
    {
        const HelpDocumentInWorkingFolder help;
        const auto form = NewForm();
        MenuItem(*form, "HelpContentsMenuItem")->trigger();
        QCOMPARE(desktop_->opened, QList<QUrl>{QUrl::fromLocalFile(help.path)});
    }

    // The program block's order: load before any window, the reminder at close,
    // save after the window is gone.
    void theRunLoadsBeforeAndSavesAfterTheWindow()
    {
        const std::int32_t today = DayNumber(desktop_->today);
        {
            auto key = Registry(RegistryRoot::User).open(Section);
            QVERIFY(key);
            QVERIFY(key->writeInteger(DonateStatusValue, 4));
            QVERIFY(key->writeInteger(DonateLastPromptValue, today - 1));
        }
        Reminder().LoadDonateState(QStringLiteral("/opt/games/Vantrel.exe"));
        {
            const auto form = NewForm();
            form->show();
            ModalAnswerer<TDonateForm> answerer([](TDonateForm* shown) {
                shown->SetItemIndex(1);
                QTest::mouseClick(shown->ntmOK, Qt::LeftButton);
            });
            QVERIFY(form->close());
            QCOMPARE(answerer.answered, 1);
            // Nothing is written while the program runs.
            QCOMPARE(StoredValue(DonateStatusValue), 4);
        }
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(DonateStatusValue), 1);
        QCOMPARE(StoredValue(DonateLastPromptValue), today);
    }

    void aRunThatUsedTheMenuEndsWithoutAReminder()
    {
        Reminder().LoadDonateState(QStringLiteral("/opt/games/Vantrel.exe"));
        {
            const auto form = NewForm();
            form->show();
            ModalAnswerer<TDonateForm> menuAnswer([](TDonateForm* shown) { shown->close(); });
            MenuItem(*form, "MakeaDonation1")->trigger();
            QCOMPARE(menuAnswer.answered, 1);
            QCOMPARE(desktop_->opened.size(), 1);  // item 0 was still selected
            ModalAnswerer<TDonateForm> closeAnswer([](TDonateForm* shown) { shown->close(); });
            QVERIFY(form->close());
            QCOMPARE(closeAnswer.answered, 0);
        }
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(DonateStatusValue), 0);
    }
};

QTEST_MAIN(AuxCommandsTest)
#include "test_aux_commands.moc"
