// The column count: the worked hands, a whole round, the corner cases of each part, and
// the run scan checked against the usual run rule on every combination of five ranks.

#include "engine/Cards.h"
#include "engine/HandCount.h"

#include <QtTest>

#include <algorithm>
#include <array>

using vantrel::ColumnKind;
using vantrel::ColumnScore;
using vantrel::CountColumn;

namespace {

using Column = std::array<int, 4>;

ColumnScore Score(int nobs, int flush, int pairs, int runs, int fifteens)
{
    ColumnScore s;
    s.nobs = nobs;
    s.flush = flush;
    s.pairs = pairs;
    s.runs = runs;
    s.fifteens = fifteens;
    return s;
}

QByteArray Describe(const ColumnScore& s)
{
    return QByteArray("nobs ") + QByteArray::number(s.nobs) + " flush " +
           QByteArray::number(s.flush) + " pairs " + QByteArray::number(s.pairs) + " runs " +
           QByteArray::number(s.runs) + " fifteens " + QByteArray::number(s.fifteens);
}

// The usual way to count runs, written independently of the scan: the longest chain of
// consecutive ranks present, when at least three long, times the number of ways to pick
// one card of each of its ranks. Five cards hold at most one such chain.
int UsualRunPoints(const std::array<int, 5>& ranks)
{
    std::array<int, 15> count{};
    for (int r : ranks) ++count[static_cast<std::size_t>(r)];
    int best = 0;
    for (int start = 1; start <= 13; ++start) {
        int length = 0;
        int ways = 1;
        for (int r = start; r <= 13 && count[static_cast<std::size_t>(r)] > 0; ++r) {
            ++length;
            ways *= count[static_cast<std::size_t>(r)];
        }
        if (length >= 3) best = std::max(best, length * ways);
    }
    return best;
}

}  // namespace

class TestHandCount : public QObject {
    Q_OBJECT

private slots:
    void countsWorkedColumns_data();
    void countsWorkedColumns();
    void countsWholeRoundWithJackCut();
    void hisHeelsOnlyForJackCut();
    void cribFlushNeedsAllFiveCards();
    void runScanMatchesUsualRuleForEveryFiveRanks();
    void runScanCornerCases();
    void rankPartIgnoresOrderOfRanks();
};

void TestHandCount::countsWorkedColumns_data()
{
    QTest::addColumn<ColumnKind>("kind");
    QTest::addColumn<Column>("cards");
    QTest::addColumn<int>("cut");
    QTest::addColumn<ColumnScore>("expected");

    const ColumnKind hand = ColumnKind::Hand;
    const ColumnKind crib = ColumnKind::Crib;
    QTest::newRow("29 hand: 5H 5C 5D JS cut 5S")
        << hand << Column{4, 17, 30, 49} << 43 << Score(1, 0, 12, 0, 16);
    QTest::newRow("hand flush of four: 2H 4H 6H 8H cut KC")
        << hand << Column{1, 3, 5, 7} << 25 << Score(0, 4, 0, 0, 0);
    QTest::newRow("crib of four hearts, cut KC: no flush")
        << crib << Column{1, 3, 5, 7} << 25 << Score(0, 0, 0, 0, 0);
    QTest::newRow("crib of four hearts, cut KH: flush of five")
        << crib << Column{1, 3, 5, 7} << 12 << Score(0, 5, 0, 0, 0);
    QTest::newRow("3C 3D 4H 5S cut 9C: double run")
        << hand << Column{15, 28, 3, 43} << 21 << Score(0, 0, 2, 6, 4);
    QTest::newRow("3C 3D 4H 4S cut 5C: double double run")
        << hand << Column{15, 28, 3, 42} << 17 << Score(0, 0, 4, 12, 4);
    QTest::newRow("3C 3D 3H 4S cut 5C: triple run")
        << hand << Column{15, 28, 2, 42} << 17 << Score(0, 0, 6, 9, 6);
    QTest::newRow("AC 2D 3H 4S cut 5C: run of five")
        << hand << Column{26, 27, 2, 42} << 17 << Score(0, 0, 0, 5, 2);
    QTest::newRow("AC 2D 3H 3S cut 4C: double run of four")
        << hand << Column{26, 27, 2, 41} << 16 << Score(0, 0, 2, 8, 0);
    QTest::newRow("2C 2D 5H 6S cut 7C: pair apart from the run")
        << hand << Column{14, 27, 4, 44} << 19 << Score(0, 0, 2, 3, 6);
    QTest::newRow("JH 2D 7C 9S cut KH: nobs only")
        << hand << Column{10, 27, 19, 47} << 12 << Score(1, 0, 0, 0, 0);
    QTest::newRow("10H 5D 5C QS cut KC: face cards count ten")
        << hand << Column{9, 30, 17, 50} << 25 << Score(0, 0, 2, 0, 12);
    QTest::newRow("6H 7D 8C 8S cut 9C: double run of four")
        << hand << Column{5, 32, 20, 46} << 21 << Score(0, 0, 2, 8, 6);
    QTest::newRow("AH 3D 5C 7S cut 9C: no run across gaps")
        << hand << Column{13, 28, 17, 45} << 21 << Score(0, 0, 0, 0, 4);
    // Further corner cases of the count.
    QTest::newRow("2H 2C 5D 6S cut 7H: pair outside the run")
        << hand << Column{1, 14, 30, 44} << 6 << Score(0, 0, 2, 3, 6);
    QTest::newRow("AH 2C 3D 3S cut 4H: double run of four")
        << hand << Column{13, 14, 28, 41} << 3 << Score(0, 0, 2, 8, 0);
    QTest::newRow("QH KC AD 5S cut 8H: queen king ace is no run")
        << hand << Column{11, 25, 39, 43} << 7 << Score(0, 0, 0, 0, 4);
    QTest::newRow("hand of four hearts with heart cut: flush of five")
        << hand << Column{1, 3, 5, 7} << 12 << Score(0, 5, 0, 0, 0);
    QTest::newRow("flush of four needs row one's suit in every row")
        << hand << Column{1, 3, 5, 20} << 12 << Score(0, 0, 0, 0, 0);
    QTest::newRow("jack of the cut's suit scores nobs in the crib too")
        << crib << Column{10, 27, 19, 47} << 12 << Score(1, 0, 0, 0, 0);
    QTest::newRow("jack of another suit than the cut: no nobs")
        << hand << Column{23, 27, 19, 47} << 12 << Score(0, 0, 0, 0, 0);
}

void TestHandCount::countsWorkedColumns()
{
    QFETCH(ColumnKind, kind);
    QFETCH(Column, cards);
    QFETCH(int, cut);
    QFETCH(ColumnScore, expected);
    const ColumnScore actual = CountColumn(cards, cut, kind);
    QCOMPARE(Describe(actual), Describe(expected));
}

void TestHandCount::countsWholeRoundWithJackCut()
{
    const int cut = 23;  // JC
    const std::array<std::array<int, 4>, 5> columns{{
        {4, 30, 50, 42},   // 5H 5D QS 4S
        {14, 28, 3, 44},   // 2C 3D 4H 6S
        {10, 19, 33, 47},  // JH 7C 8D 9S
        {13, 1, 2, 12},    // AH 2H 3H KH
        {22, 35, 25, 24},  // the crib: 10C 10D KC QC
    }};
    const std::array<ColumnScore, 5> expected{
        Score(0, 0, 2, 0, 8), Score(0, 0, 0, 3, 4), Score(0, 0, 2, 3, 2),
        Score(0, 4, 0, 3, 4), Score(0, 0, 2, 8, 0),
    };
    int round = vantrel::HisHeels(cut);
    QCOMPARE(round, 2);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnKind kind = c == 4 ? ColumnKind::Crib : ColumnKind::Hand;
        const ColumnScore actual = CountColumn(columns[c], cut, kind);
        QCOMPARE(Describe(actual), Describe(expected[c]));
        round += actual.Total();
    }
    QCOMPARE(round, 47);
}

void TestHandCount::hisHeelsOnlyForJackCut()
{
    for (int code = 1; code <= vantrel::CardsInDeck; ++code)
        QCOMPARE(vantrel::HisHeels(code), vantrel::CardRank(code) == vantrel::Jack ? 2 : 0);
    QCOMPARE(vantrel::HisHeels(49), 2);  // JS
    QCOMPARE(vantrel::HisHeels(50), 0);  // QS
}

// A crib scores 5 only when all five share a suit, whichever cards are away from row 1.
void TestHandCount::cribFlushNeedsAllFiveCards()
{
    const std::array<int, 4> clubs{14, 16, 18, 20};  // 2C 4C 6C 8C
    for (int cut = 1; cut <= vantrel::CardsInDeck; ++cut) {
        if (std::find(clubs.begin(), clubs.end(), cut) != clubs.end()) continue;
        const bool clubCut = vantrel::CardSuit(cut) == vantrel::Clubs;
        QCOMPARE(CountColumn(clubs, cut, ColumnKind::Crib).flush, clubCut ? 5 : 0);
        QCOMPARE(CountColumn(clubs, cut, ColumnKind::Hand).flush, clubCut ? 5 : 4);
    }
    const std::array<int, 4> threeClubs{14, 16, 18, 7};  // 2C 4C 6C 8H
    QCOMPARE(CountColumn(threeClubs, 22, ColumnKind::Crib).flush, 0);
    QCOMPARE(CountColumn(threeClubs, 22, ColumnKind::Hand).flush, 0);
}

void TestHandCount::runScanMatchesUsualRuleForEveryFiveRanks()
{
    int combinations = 0;
    for (int a = 1; a <= 13; ++a)
        for (int b = a; b <= 13; ++b)
            for (int c = b; c <= 13; ++c)
                for (int d = c; d <= 13; ++d)
                    for (int e = d; e <= 13; ++e) {
                        if (a == e) continue;  // five of one rank: there are only four
                        const std::array<int, 5> ranks{a, b, c, d, e};
                        if (vantrel::RunPoints(ranks) != UsualRunPoints(ranks))
                            QFAIL(
                                qPrintable(QStringLiteral("ranks %1 %2 %3 %4 %5: scan %6, usual %7")
                                               .arg(a)
                                               .arg(b)
                                               .arg(c)
                                               .arg(d)
                                               .arg(e)
                                               .arg(vantrel::RunPoints(ranks))
                                               .arg(UsualRunPoints(ranks))));
                        ++combinations;
                    }
    // Multisets of 5 from 13 ranks, C(17, 5) = 6188, less the 13 with five of a rank.
    QCOMPARE(combinations, 6175);
}

void TestHandCount::runScanCornerCases()
{
    QCOMPARE(vantrel::RunPoints({1, 2, 3, 5, 6}), 3);  // run ends at the first gap
    QCOMPARE(vantrel::RunPoints({1, 1, 3, 4, 5}), 3);  // pair below the run, apart
    QCOMPARE(vantrel::RunPoints({1, 3, 4, 5, 5}), 6);  // double run after a gap
    QCOMPARE(vantrel::RunPoints({1, 2, 3, 4, 6}), 4);  // a gap after four keeps the run
    QCOMPARE(vantrel::RunPoints({1, 2, 3, 4, 4}), 8);
    QCOMPARE(vantrel::RunPoints({1, 1, 2, 2, 3}), 12);
    QCOMPARE(vantrel::RunPoints({2, 3, 4, 4, 4}), 9);
    QCOMPARE(vantrel::RunPoints({1, 2, 11, 12, 13}), 3);  // jack queen king
    QCOMPARE(vantrel::RunPoints({1, 2, 5, 12, 13}), 0);   // queen king ace does not wrap
}

void TestHandCount::rankPartIgnoresOrderOfRanks()
{
    std::array<int, 5> ranks{3, 3, 4, 4, 5};
    const ColumnScore sorted = vantrel::CountRankPart(ranks);
    QCOMPARE(Describe(sorted), Describe(Score(0, 0, 4, 12, 4)));
    std::array<int, 5> shuffled{5, 4, 3, 4, 3};
    do {
        QCOMPARE(Describe(vantrel::CountRankPart(shuffled)), Describe(sorted));
    } while (std::next_permutation(shuffled.begin(), shuffled.end()));
}

QTEST_APPLESS_MAIN(TestHandCount)
#include "test_handcount.moc"
