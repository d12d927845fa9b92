// The counter's fast enumeration against a literal one that calls CountColumn for every
// combination, and the facts every correct histogram of the cribbage count shows.

#include "engine/Cards.h"
#include "engine/HandCount.h"
#include "tools/CardText.h"
#include "tools/CountAll.h"

#include <QtTest>

#include <numeric>

using vantrel::ColumnKind;
using vantrel::ScoreHistogram;

namespace {

// The literal count of all 13 million columns takes a few seconds in an optimised build
// and far longer unoptimised or under the address sanitizer; there the tests compare a
// sample of the enumeration instead of all of it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

#if defined(__OPTIMIZE__)
constexpr bool Optimized = true;
#else
constexpr bool Optimized = false;
#endif

constexpr bool CompareEverything = Optimized && !Sanitized;

constexpr std::int64_t AllCombinations = 270725LL * 48;

void AddLiterally(int lowest, ColumnKind kind, ScoreHistogram& histogram)
{
    for (int b = lowest + 1; b <= vantrel::CardsInDeck; ++b)
        for (int c = b + 1; c <= vantrel::CardsInDeck; ++c)
            for (int d = c + 1; d <= vantrel::CardsInDeck; ++d)
                for (int cut = 1; cut <= vantrel::CardsInDeck; ++cut) {
                    if (cut == lowest || cut == b || cut == c || cut == d) continue;
                    ++histogram[static_cast<std::size_t>(
                        vantrel::CountColumn({lowest, b, c, d}, cut, kind).Total())];
                }
}

QString Describe(const ScoreHistogram& histogram)
{
    QStringList lines;
    for (std::size_t score = 0; score < histogram.size(); ++score)
        lines << QStringLiteral("%1 %2").arg(score).arg(histogram[score]);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

class TestCountAll : public QObject {
    Q_OBJECT

private slots:
    void fastCountMatchesLiteralCount_data();
    void fastCountMatchesLiteralCount();
    void histogramShowsKnownFactsOfTheCount_data();
    void histogramShowsKnownFactsOfTheCount();
    void readsCardNames();
    void refusesWhatIsNoCard();
};

void TestCountAll::fastCountMatchesLiteralCount_data()
{
    QTest::addColumn<ColumnKind>("kind");
    QTest::newRow("hands") << ColumnKind::Hand;
    QTest::newRow("crib") << ColumnKind::Crib;
}

// Each lowest card is compared on its own, so a mismatch names where it lies. The
// sample takes jacks of three suits, the two of spades (spade flushes) and lowest cards
// with few or no other hand cards after them. In an optimised build every lowest card is
// compared, and the whole histogram of the threaded count with their sum.
void TestCountAll::fastCountMatchesLiteralCount()
{
    QFETCH(ColumnKind, kind);
    const vantrel::ColumnCounter counter;
    std::vector<int> lowestCards{23, 36, 40, 47, 49};
    if (CompareEverything) {
        lowestCards.resize(vantrel::CardsInDeck - 3);
        std::iota(lowestCards.begin(), lowestCards.end(), 1);
    }
    ScoreHistogram literalSum{};
    for (int lowest : lowestCards) {
        ScoreHistogram fast{};
        ScoreHistogram literal{};
        counter.AddHandsWithLowestCard(lowest, kind, fast);
        AddLiterally(lowest, kind, literal);
        if (fast != literal)
            QFAIL(qPrintable(QStringLiteral("lowest card %1:\nfast\n%2\nliteral\n%3")
                                 .arg(lowest)
                                 .arg(Describe(fast), Describe(literal))));
        for (std::size_t score = 0; score < literalSum.size(); ++score)
            literalSum[score] += literal[score];
    }
    if (CompareEverything)
        QCOMPARE(Describe(vantrel::CountAllColumns(kind, 2)), Describe(literalSum));
}

void TestCountAll::histogramShowsKnownFactsOfTheCount_data()
{
    fastCountMatchesLiteralCount_data();
}

void TestCountAll::histogramShowsKnownFactsOfTheCount()
{
    QFETCH(ColumnKind, kind);
    // Three workers on two cores: the shares of the workers must still add up exactly.
    const ScoreHistogram histogram = vantrel::CountAllColumns(kind, 3);
    QCOMPARE(std::accumulate(histogram.begin(), histogram.end(), std::int64_t{0}), AllCombinations);
    // 29 is only 5, 5, 5 and the jack with the fourth five cut in the jack's suit.
    QCOMPARE(histogram[29], 4);
    // 28 is only the four fives with one of the 16 tens and face cards: that card cut
    // (16 ways) or one of the fives cut (4 * 16 ways), less the 4 ways that score 29.
    QCOMPARE(histogram[28], 76);
    for (std::size_t impossible : {19U, 25U, 26U, 27U}) QCOMPARE(histogram[impossible], 0);
    // Every other score up to 24 occurs.
    for (std::size_t score = 0; score < histogram.size(); ++score)
        if (score != 19 && score < 25)
            QVERIFY2(histogram[score] > 0, qPrintable(QString::number(score)));
}

void TestCountAll::readsCardNames()
{
    QCOMPARE(vantrel::ParseCard("2h"), 1);
    QCOMPARE(vantrel::ParseCard("KH"), 12);
    QCOMPARE(vantrel::ParseCard("ah"), 13);
    QCOMPARE(vantrel::ParseCard("2C"), 14);
    QCOMPARE(vantrel::ParseCard("10S"), 48);
    QCOMPARE(vantrel::ParseCard("ts"), 48);
    QCOMPARE(vantrel::ParseCard("jS"), 49);
    QCOMPARE(vantrel::ParseCard("As"), 52);
    for (int code = 1; code <= vantrel::CardsInDeck; ++code) {
        static const char* const ranks[] = {"",  "A", "2", "3",  "4", "5", "6",
                                            "7", "8", "9", "10", "J", "Q", "K"};
        static const char suits[] = "?HCDS";
        const std::string name =
            std::string(ranks[vantrel::CardRank(code)]) + suits[vantrel::CardSuit(code)];
        QCOMPARE(vantrel::ParseCard(name), code);
    }
}

void TestCountAll::refusesWhatIsNoCard()
{
    for (const char* text : {"", "H", "10", "1H", "11H", "0S", "5X", "5HH", "JOKER", "A H", "t"})
        QVERIFY2(!vantrel::ParseCard(text).has_value(), text);
}

QTEST_APPLESS_MAIN(TestCountAll)
#include "test_countall.moc"
