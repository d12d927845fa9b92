// Card codes, the generator and the shuffle: the facts a replayed deal depends on.
#include <QtTest>

#include <algorithm>

#include "engine/CardNames.h"
#include "engine/Cards.h"
#include "engine/Deck.h"
#include "engine/Random.h"
#include "engine/Seed.h"

using namespace vantrel;

class CardsAndDeckTest : public QObject {
    Q_OBJECT

private slots:
    void ranksAndSuitsFollowTheCodeBlocks()
    {
        QCOMPARE(CardRank(1), 2);
        QCOMPARE(CardRank(12), 13);
        QCOMPARE(CardRank(13), 1);
        QCOMPARE(CardRank(52), 1);
        QCOMPARE(CardSuit(13), 1);
        QCOMPARE(CardSuit(14), 2);
        QCOMPARE(CardSuit(39), 3);
        QCOMPARE(CardSuit(40), 4);
        QVERIFY(IsRedSuit(CardSuit(1)) && IsRedSuit(CardSuit(30)));
        QVERIFY(!IsRedSuit(CardSuit(14)) && !IsRedSuit(CardSuit(52)));
    }

    // Every card by its spoken name; each of the 52 names once, nothing for a cell code.
    void cardsAreNamedInFullEnglish_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("two of hearts") << 1 << "Two of Hearts";
        QTest::newRow("ten of clubs") << 22 << "Ten of Clubs";
        QTest::newRow("ace of diamonds") << 39 << "Ace of Diamonds";
        QTest::newRow("queen of spades") << 50 << "Queen of Spades";
        QTest::newRow("ace of spades") << 52 << "Ace of Spades";
        QTest::newRow("face down") << 0 << "";
        QTest::newRow("open slot") << 53 << "";
    }

    void cardsAreNamedInFullEnglish()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(CardName(code)), name);
        QSet<QString> names;
        for (int card = 1; card <= CardsInDeck; ++card)
            names.insert(QString::fromStdString(CardName(card)));
        QCOMPARE(names.size(), CardsInDeck);
    }

    void generatorFromStateZeroGivesTheKnownValues()
    {
        RandomGenerator random(0);
        const int expected[] = {0, 1, 44, 10, 14, 34};
        for (int value : expected) {
            QCOMPARE(random.RandomInt(52), value);
        }
    }

    void generatorStaysInRangeForEveryBound()
    {
        RandomGenerator random(0xDEADBEEF);
        for (int n = 1; n <= 52; ++n) {
            for (int i = 0; i < 200; ++i) {
                const int value = random.RandomInt(n);
                QVERIFY(value >= 0 && value < n);
            }
        }
    }

    void shuffleFromStateZeroGivesTheKnownDeck()
    {
        RandomGenerator random(0);
        DeckOrder deck{};
        ShuffleDeck(deck, random);
        const int expected[52] = {31, 6,  51, 16, 2,  30, 36, 45, 48, 41, 46, 38, 42,
                                  20, 3,  5,  49, 26, 23, 17, 21, 52, 35, 25, 1,  8,
                                  7,  40, 39, 37, 29, 27, 33, 9,  18, 11, 15, 4,  22,
                                  50, 28, 12, 13, 47, 44, 19, 43, 10, 14, 24, 34, 32};
        for (int i = 1; i <= 52; ++i) {
            QCOMPARE(deck[i], expected[i - 1]);
        }
        QCOMPARE(deck[1], 31);
        QCOMPARE(CardRank(deck[1]), 6);
        QCOMPARE(CardSuit(deck[1]), int(Diamonds));
        QCOMPARE(deck[CutCardPosition], 52);
    }

    void shuffleUsesExactlyFourHundredValues()
    {
        RandomGenerator shuffled(12345);
        DeckOrder deck{};
        ShuffleDeck(deck, shuffled);
        RandomGenerator counted(12345);
        for (int i = 0; i < 400; ++i) {
            counted.RandomInt(52);
        }
        QCOMPARE(shuffled.State(), counted.State());
    }

    void everyShuffleIsAPermutationStartedFromTheOrderedDeck()
    {
        RandomGenerator random(7);
        DeckOrder first{};
        ShuffleDeck(first, random);
        DeckOrder sorted = first;
        std::sort(sorted.begin() + 1, sorted.end());
        for (int i = 1; i <= 52; ++i) {
            QCOMPARE(sorted[i], i);
        }
        // A second shuffle from the same state gives the same deck, whatever the deck
        // held before.
        RandomGenerator again(7);
        DeckOrder second{};
        second.fill(13);
        ShuffleDeck(second, again);
        QVERIFY(first == second);
    }

    void seedTextIsADecimalInRange()
    {
        QCOMPARE(ParseSeed("0"), std::optional<std::uint32_t>(0));
        QCOMPARE(ParseSeed("4294967295"), std::optional<std::uint32_t>(4294967295u));
        QCOMPARE(ParseSeed("00000000042"), std::optional<std::uint32_t>(42));
        QCOMPARE(ParseSeed("000"), std::optional<std::uint32_t>(0));
        QVERIFY(!ParseSeed("4294967296"));
        QVERIFY(!ParseSeed("0004294967296"));
        QVERIFY(!ParseSeed("-1"));
        QVERIFY(!ParseSeed("+1"));
        QVERIFY(!ParseSeed("12x"));
        QVERIFY(!ParseSeed(" 12"));
        QVERIFY(!ParseSeed(""));
        QVERIFY(!ParseSeed("99999999999999999999"));
    }
};

QTEST_APPLESS_MAIN(CardsAndDeckTest)
#include "test_cards_and_deck.moc"
