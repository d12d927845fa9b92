// The top-five list: the place search with its equal-score rule, making room, the entry
// with its name cut to the field, and every row of the worked example.

#include "TopFiveText.h"
#include "store/HighScoreTable.h"
#include "store/StoredRecord.h"

#include <QtTest>

#include <string>
#include <utility>
#include <vector>

using vantrel::StoredRecord;

using vantrel::testing::TopFiveText;

namespace {

using List = std::vector<std::pair<int, std::string>>;

StoredRecord RecordWith(const List& list)
{
    StoredRecord record;
    for (int entry = 1; entry <= 5; ++entry) {
        record.SetTopScore(entry, list[static_cast<std::size_t>(entry - 1)].first);
        record.SetTopName(entry, list[static_cast<std::size_t>(entry - 1)].second);
    }
    return record;
}

// The list of the worked example.
const List Example = {{150, "A"}, {120, "B"}, {120, "C"}, {90, "D"}, {0, "None"}};

}  // namespace

class HighScoreTableTest : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("after");
        QTest::newRow("121") << 121 << 2 << "150 A, 121 X, 120 B, 120 C, 90 D";
        QTest::newRow("120") << 120 << 4 << "150 A, 120 B, 120 C, 120 X, 90 D";
        QTest::newRow("1") << 1 << 5 << "150 A, 120 B, 120 C, 90 D, 1 X";
        QTest::newRow("0") << 0 << 0 << "150 A, 120 B, 120 C, 90 D, 0 None";
        QTest::newRow("151") << 151 << 1 << "151 X, 150 A, 120 B, 120 C, 90 D";
    }

    void workedExample()
    {
        QFETCH(int, total);
        QFETCH(int, place);
        QFETCH(QString, after);
        StoredRecord record = RecordWith(Example);
        QCOMPARE(vantrel::FindPlace(record, total), place);
        vantrel::MakeRoom(record, place);
        if (place >= 1) {
            vantrel::EnterScore(record, place, "X", total);
        }
        QCOMPARE(TopFiveText(record), after);
    }

    void equalScoreGoesBelowEveryEqualEntry()
    {
        const StoredRecord record =
            RecordWith({{50, "A"}, {40, "B"}, {40, "C"}, {40, "D"}, {30, "E"}});
        QCOMPARE(vantrel::FindPlace(record, 40), 5);
        QCOMPARE(vantrel::FindPlace(record, 41), 2);
        QCOMPARE(vantrel::FindPlace(record, 30), 0);
        QCOMPARE(vantrel::FindPlace(record, 31), 5);
    }

    void negativeTotalsCompareAsSigned()
    {
        // A damaged record may hold negative scores; they are beaten by 0.
        StoredRecord record = RecordWith({{5, "A"}, {-3, "B"}, {-3, "C"}, {-7, "D"}, {-9, "E"}});
        QCOMPARE(vantrel::FindPlace(record, 0), 2);
        QCOMPARE(vantrel::FindPlace(record, -8), 5);
    }

    void allZeroListTakesAnyPositiveTotalFirst()
    {
        StoredRecord record;
        vantrel::ClearTopScores(record);
        QCOMPARE(vantrel::FindPlace(record, 0), 0);
        QCOMPARE(vantrel::FindPlace(record, 1), 1);
        vantrel::MakeRoom(record, 1);
        vantrel::EnterScore(record, 1, "Ann", 1);
        QCOMPARE(TopFiveText(record), QString("1 Ann, 0 None, 0 None, 0 None, 0 None"));
    }

    void entryKeepsTheNameAsNextDefaultCutToTwentyThreeBytes()
    {
        StoredRecord record = RecordWith(Example);
        const std::string thirty = "abcdefghijklmnopqrstuvwxyz1234";
        vantrel::EnterScore(record, 3, thirty, 125);
        QCOMPARE(record.TopName(3), std::string("abcdefghijklmnopqrstuvw"));
        QCOMPARE(record.LastName(), std::string("abcdefghijklmnopqrstuvw"));
        QCOMPARE(record.TopScore(3), 125);
        // The field's length byte says 23 and the next field is untouched.
        QCOMPARE(int(record.bytes()[StoredRecord::TopNameOffset + 48]), 23);
        QCOMPARE(record.TopName(4), std::string("D"));
    }

    void emptyNameIsStoredEmpty()
    {
        StoredRecord record = RecordWith(Example);
        record.SetLastName("Bob");
        vantrel::EnterScore(record, 5, "", 7);
        QCOMPARE(record.TopName(5), std::string());
        QCOMPARE(record.LastName(), std::string());
        QCOMPARE(record.TopScore(5), 7);
    }
};

QTEST_APPLESS_MAIN(HighScoreTableTest)
#include "test_highscores.moc"
