// The reminder's schedule on plain day numbers, for the cases a store cannot hold
// or that are tedious through windows; the runs themselves are tested with the store.
#include <QTest>

#include <climits>

#include "auxiliary/DonateSchedule.h"

using namespace vantrel;

namespace {

constexpr std::int32_t Today = 45366;

DonateReminderState StateOf(std::int32_t donateState, std::int32_t lastPrompt)
{
    return StateFromStored(donateState, lastPrompt, Today);
}

}  // namespace

class DonateScheduleTest : public QObject {
    Q_OBJECT

private slots:
    void nothingStoredStartsAtAnswerFourPromptedToday()
    {
        const DonateReminderState state = StateFromStored(NothingStoredStatus, 0, Today);
        QCOMPARE(state.DonateState, 4);
        QCOMPARE(state.LastPromptDate, Today);
        QVERIFY(!state.DonateMenuUsed);
        QVERIFY(!ReminderDue(state, Today));
        QVERIFY(ReminderDue(state, Today + 1));
    }

    void storedStatusIsClampedIntoTheAnswers_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("-1 never asked") << -1 << 4;
        QTest::newRow("-3") << -3 << 0;
        QTest::newRow("most negative") << INT_MIN << 0;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("4") << 4 << 4;
        QTest::newRow("5") << 5 << 4;
        QTest::newRow("7") << 7 << 4;
        QTest::newRow("largest") << INT_MAX << 4;
    }
    void storedStatusIsClampedIntoTheAnswers()
    {
        QFETCH(int, stored);
        QFETCH(int, loaded);
        QCOMPARE(StateOf(stored, Today - 3).DonateState, loaded);
    }

    void storedLastPromptIsKeptUnlessZero()
    {
        QCOMPARE(StateOf(1, Today - 20).LastPromptDate, Today - 20);
        QCOMPARE(StateOf(1, Today + 5).LastPromptDate, Today + 5);
        QCOMPARE(StateOf(1, -7).LastPromptDate, -7);
        QCOMPARE(StateOf(1, 0).LastPromptDate, Today);
    }

    void theMenuUsedInARunSilencesEveryState()
    {
        for (int answer = 0; answer < DonateAnswerCount; ++answer) {
            DonateReminderState state = StateOf(answer, Today - 100);
            state.DonateMenuUsed = true;
            QVERIFY2(!ReminderDue(state, Today), qPrintable(QString::number(answer)));
        }
    }

    void extremeStoredDaysDoNotOverflow()
    {
        QVERIFY(ReminderDue(StateOf(4, INT_MIN), INT_MAX));
        QVERIFY(ReminderDue(StateOf(1, INT_MIN), Today));
        QVERIFY(!ReminderDue(StateOf(4, INT_MAX), INT_MIN));
    }

    void answersSetTheStateAndOnlyOneAndFourRestartTheWait()
    {
        const std::int32_t earlier = Today - 9;
        for (int answer = 0; answer < DonateAnswerCount; ++answer) {
            DonateReminderState state = StateOf(2, earlier);
            const bool opensPage = ApplyDonateAnswer(state, answer, Today);
            QCOMPARE(state.DonateState, answer);
            QCOMPARE(opensPage, answer == 0);
            const bool restarts = answer == 1 || answer == 4;
            QCOMPARE(state.LastPromptDate, restarts ? Today : earlier);
        }
    }

    void anAnswerOutsideTheItemsChangesNothing()
    {
        DonateReminderState state = StateOf(3, Today - 2);
        QVERIFY(!ApplyDonateAnswer(state, -1, Today));
        QVERIFY(!ApplyDonateAnswer(state, 5, Today));
        QCOMPARE(state.DonateState, 3);
        QCOMPARE(state.LastPromptDate, Today - 2);
    }
};

QTEST_APPLESS_MAIN(DonateScheduleTest)
#include "test_donate_schedule.moc"
