// The donation reminder across runs: what is loaded from the user's store, when the
// dialog is shown at close, what its answers do, and what is stored at the end.
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "FakeProgram.h"
#include "ModalAnswerer.h"
#include "auxiliary/DonateForm.h"
#include "auxiliary/DonateReminder.h"
#include "store/Registry.h"

using namespace vantrel;
using vantrel::testing::FakeDesktop;
using vantrel::testing::FakeProgram;
using vantrel::testing::ModalAnswerer;

namespace {

const QString Executable = QStringLiteral("/opt/games/Vantrel.exe");
const QString Section = QStringLiteral("Software\\Vantrel\\DonateForm");

void StoreValues(const QString& section, std::int32_t status, std::int32_t lastPrompt)
{
    auto key = Registry(RegistryRoot::User).open(section);
    QVERIFY(key);
    QVERIFY(key->writeInteger(DonateStatusValue, status));
    QVERIFY(key->writeInteger(DonateLastPromptValue, lastPrompt));
}

std::optional<qint32> StoredValue(const QString& section, const char16_t* name)
{
    auto key = Registry(RegistryRoot::User).openExisting(section);
    return key ? key->readInteger(name) : std::nullopt;
}

// Selects an item and closes the dialog by "Proceed" or by its close box.
std::unique_ptr<ModalAnswerer<TDonateForm>> Answer(int item, bool closeBox = false)
{
    return std::make_unique<ModalAnswerer<TDonateForm>>([item, closeBox](TDonateForm* dialog) {
        dialog->SetItemIndex(item);
        if (closeBox) {
            dialog->close();
        } else {
            QTest::mouseClick(dialog->ntmOK, Qt::LeftButton);
        }
    });
}

}  // namespace

class DonateReminderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<FakeProgram> program_;
    FakeDesktop* desktop_ = nullptr;  // the program's

    DonateReminder& Reminder() { return program_->reminder; }

    std::int32_t Today() const { return DayNumber(desktop_->today); }

    // One close of the main window; returns whether the dialog was shown, answering
    // it with `item` when it is.
    bool CloseMainWindow(int item = 4, bool closeBox = false)
    {
        const auto answerer = Answer(item, closeBox);
        Reminder().CheckDonationReminder(nullptr);
        return answerer->answered == 1;
    }

    bool UseMenu(int item)
    {
        const auto answerer = Answer(item);
        Reminder().ShowDonationDialog(nullptr);
        return answerer->answered == 1;
    }

private slots:
    void init()
    {
        QVERIFY(folder_.isValid());
        QFile::remove(folder_.filePath(QStringLiteral("user.reg")));
        qputenv("VANTREL_USER_STORE", folder_.filePath(QStringLiteral("user.reg")).toLocal8Bit());
        program_ = std::make_unique<FakeProgram>();
        desktop_ = &program_->desktop;
    }

    void cleanup()
    {
        Reminder().SaveDonateState();  // ends the run: the reminder holds no key name after it
        desktop_ = nullptr;
        program_.reset();
    }

    void dayNumbersAndKeyNames()
    {
        QCOMPARE(DayNumber(QDate(1899, 12, 30)), 0);
        QCOMPARE(DayNumber(QDate(2007, 1, 1)), 39083);
        QCOMPARE(DonateKeyNameFor(QStringLiteral("C:/Games/Game.exe")),
                 QStringLiteral("Software\\Game"));
        QCOMPARE(DonateKeyNameFor(QStringLiteral("/usr/games/vantrel")),
                 QStringLiteral("Software\\vantrel"));
        QCOMPARE(DonateKeyNameFor(QStringLiteral("/tmp/my.game.exe")),
                 QStringLiteral("Software\\my.game"));
        QCOMPARE(DonateKeyNameFor(QStringLiteral("/tmp/.game")), QStringLiteral("Software\\.game"));
    }

    void firstRunNeverRemindsAndStoresAnswerFourToday()
    {
        Reminder().LoadDonateState(Executable);
        QCOMPARE(Reminder().DonateKeyName(), QStringLiteral("Software\\Vantrel"));
        QVERIFY(!CloseMainWindow());
        QVERIFY(!CloseMainWindow());
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(Section, DonateStatusValue), 4);
        QCOMPARE(StoredValue(Section, DonateLastPromptValue), Today());

        QFile file(folder_.filePath(QStringLiteral("user.reg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[HKEY_CURRENT_USER\\Software\\Vantrel\\DonateForm]"));
        QVERIFY(text.contains("\"DonateStatus\"=dword:00000004"));
    }

    void answerOneRemindsAfterFourteenDays()
    {
        StoreValues(Section, 1, Today() - 13);
        Reminder().LoadDonateState(Executable);
        QVERIFY(!CloseMainWindow());
        Reminder().SaveDonateState();

        StoreValues(Section, 1, Today() - 14);
        Reminder().LoadDonateState(Executable);
        QVERIFY(CloseMainWindow(1));
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(Section, DonateStatusValue), 1);
        QCOMPARE(StoredValue(Section, DonateLastPromptValue), Today());
    }

    void answerFourRemindsOnTheNextCalendarDay()
    {
        // The clock gives calendar days: a prompt at 23:59 yesterday is a whole day
        // before a close at 00:01 today.
        const QDate yesterday = desktop_->today.addDays(-1);
        StoreValues(Section, 4, DayNumber(yesterday));
        Reminder().LoadDonateState(Executable);
        QVERIFY(CloseMainWindow(4));
        // The reminder moved the last prompt to today: no second one this run.
        QVERIFY(!CloseMainWindow());
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(Section, DonateLastPromptValue), Today());
    }

    void aClockSetBackDelaysTheWaitingAnswersOnly()
    {
        StoreValues(Section, 4, Today() + 2);
        Reminder().LoadDonateState(Executable);
        QVERIFY(!CloseMainWindow());
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(Section, DonateLastPromptValue), Today() + 2);

        StoreValues(Section, 1, Today() + 2);
        Reminder().LoadDonateState(Executable);
        QVERIFY(!CloseMainWindow());
        Reminder().SaveDonateState();

        StoreValues(Section, 0, Today() + 2);
        Reminder().LoadDonateState(Executable);
        QVERIFY(CloseMainWindow(2));
    }

    void theMenuUsedInARunSuppressesTheReminder()
    {
        StoreValues(Section, 0, Today() - 30);
        Reminder().LoadDonateState(Executable);
        QVERIFY(UseMenu(0));
        QCOMPARE(Reminder().CurrentDonateState().DonateState, 0);
        QVERIFY(!CloseMainWindow());
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(Section, DonateStatusValue), 0);
        // Answer 0 alone does not move the last prompt.
        QCOMPARE(StoredValue(Section, DonateLastPromptValue), Today() - 30);
        QCOMPARE(desktop_->opened.size(), 1);
    }

    void answersTwoAndThreeSilenceTheCloseButNotTheMenu()
    {
        for (const int answer : {2, 3}) {
            StoreValues(Section, 0, Today() - 1);
            Reminder().LoadDonateState(Executable);
            QVERIFY(CloseMainWindow(answer));
            Reminder().SaveDonateState();
            QCOMPARE(StoredValue(Section, DonateStatusValue), answer);

            desktop_->today = desktop_->today.addDays(100);
            Reminder().LoadDonateState(Executable);
            QVERIFY(!CloseMainWindow());
            QVERIFY(UseMenu(4));
            Reminder().SaveDonateState();
            QCOMPARE(StoredValue(Section, DonateStatusValue), 4);
            QCOMPARE(StoredValue(Section, DonateLastPromptValue), Today());
        }
        QVERIFY(desktop_->opened.isEmpty());
    }

    void closingByTheCloseBoxAppliesTheFirstItemToo()
    {
        StoreValues(Section, 0, Today() - 3);
        Reminder().LoadDonateState(Executable);
        QVERIFY(CloseMainWindow(0, true));
        QCOMPARE(desktop_->opened,
                 QList<QUrl>{QUrl(QStringLiteral("https://vantrel.example/sw/donate.html"))});
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(Section, DonateStatusValue), 0);
        QCOMPARE(StoredValue(Section, DonateLastPromptValue), Today());
        QVERIFY(desktop_->errors.isEmpty());
    }

    void storedStatesOutsideTheAnswersAreClamped()
    {
        StoreValues(Section, 7, Today());
        Reminder().LoadDonateState(Executable);
        QCOMPARE(Reminder().CurrentDonateState().DonateState, 4);
        Reminder().SaveDonateState();
        StoreValues(Section, -3, Today());
        Reminder().LoadDonateState(Executable);
        QCOMPARE(Reminder().CurrentDonateState().DonateState, 0);
        QVERIFY(CloseMainWindow(3));
    }

    void anotherExecutableNameStartsFromTheDefaults()
    {
        StoreValues(Section, 2, Today() - 50);
        Reminder().LoadDonateState(QStringLiteral("/opt/games/Other.exe"));
        QCOMPARE(Reminder().CurrentDonateState().DonateState, 4);
        QCOMPARE(Reminder().CurrentDonateState().LastPromptDate, Today());
        Reminder().SaveDonateState();
        QCOMPARE(StoredValue(QStringLiteral("Software\\Other\\DonateForm"), DonateStatusValue), 4);
        QCOMPARE(StoredValue(Section, DonateStatusValue), 2);
    }

    void valuesOfAnotherKindReadAsTheDefaults()
    {
        {
            auto key = Registry(RegistryRoot::User).open(Section);
            QVERIFY(key);
            QVERIFY(key->writeString(DonateStatusValue, QStringLiteral("three")));
            QVERIFY(key->writeBinary(DonateLastPromptValue, QByteArray("\x01\x02\x03\x04", 4)));
        }
        Reminder().LoadDonateState(Executable);
        QCOMPARE(Reminder().CurrentDonateState().DonateState, 4);
        QCOMPARE(Reminder().CurrentDonateState().LastPromptDate, Today());
        Reminder().SaveDonateState();
        {
            auto key = Registry(RegistryRoot::User).open(Section);
            QVERIFY(key);
            QVERIFY(key->writeString(DonateStatusValue, QStringLiteral("3")));
            QVERIFY(key->writeString(DonateLastPromptValue, QString::number(Today() - 5)));
        }
        Reminder().LoadDonateState(Executable);
        QCOMPARE(Reminder().CurrentDonateState().DonateState, 3);
        QCOMPARE(Reminder().CurrentDonateState().LastPromptDate, Today() - 5);
    }

    void aStoreThatCannotBeWrittenLeavesDefaultsAndReportsNothing()
    {
        // The store's folder is a plain file: nothing can be read or written there.
        const QString blocker = folder_.filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("VANTREL_USER_STORE", (blocker + QStringLiteral("/user.reg")).toLocal8Bit());

        Reminder().LoadDonateState(Executable);
        QCOMPARE(Reminder().CurrentDonateState().DonateState, 4);
        QCOMPARE(Reminder().CurrentDonateState().LastPromptDate, Today());
        desktop_->today = desktop_->today.addDays(1);
        QVERIFY(CloseMainWindow(2));
        Reminder().SaveDonateState();
        QVERIFY(Reminder().DonateKeyName().isEmpty());
        QVERIFY(!QFile::exists(blocker + QStringLiteral("/user.reg")));
        QVERIFY(desktop_->errors.isEmpty());
    }
};

QTEST_MAIN(DonateReminderTest)
#include "test_donate_reminder.moc"
