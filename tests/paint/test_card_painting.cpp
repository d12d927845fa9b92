// Card painting read back from the surface: faces, pips, backs, open slots, erase
// and the next-round prompt, at both card sizes.
#include <QFontMetrics>
#include <QtTest>

#include <algorithm>

#include "TableFixture.h"
#include "paint/Canvas.h"
#include "paint/Colours.h"
#include "paint/PaintBox.h"
#include "paint/TableFont.h"
#include "paint/TableWords.h"
#include "platform/Languages.h"

using vantrel::testing::RecordingGame;

namespace {

// Card codes: each suit's block starts with the two and ends with the ace.
constexpr int AceOfHearts = 13;
constexpr int FiveOfHearts = 4;
constexpr int NineOfHearts = 8;
constexpr int QueenOfHearts = 11;
constexpr int KingOfHearts = 12;
constexpr int TwoOfClubs = 14;
constexpr int TenOfClubs = 22;
constexpr int KingOfClubs = 25;
constexpr int TenOfDiamonds = 35;
constexpr int FiveOfSpades = 43;
constexpr int SevenOfSpades = 45;

const QColor White = vantrel::ColourOf(vantrel::White);
const QColor Black = vantrel::ColourOf(vantrel::Black);
const QColor Red = vantrel::ColourOf(vantrel::Red);

// The pseudo-language: each line 40% longer, with accents, shows where room is tight.
QString Lengthened(QString line)
{
    line.replace(QLatin1Char('e'), QChar(0xe9)).replace(QLatin1Char('o'), QChar(0xf6));
    return line + line.left((line.size() * 2 + 4) / 5);
}

}  // namespace

class CardPaintingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TableFixture> table_;
    RecordingGame& Game() { return table_->Game(); }

    // A table of felt with nothing on it.
    void EmptyTable(bool large)
    {
        table_->UseLargeCards(large);
        table_->ClearBoard();
        Game().Placing = vantrel::False;
        Game().Board(1, 1) = vantrel::Nothing;
        table_->Box().Invalidate();
        table_->Box().PaintPendingRequest();
        table_->Box().canvas().SetBrushColour(table_->Felt());
        table_->Box().canvas().FillRect(0, 0, 2000, 2000);
    }

    void VerifyPipRow(int x0, int y, const QImage& pip, std::initializer_list<int> offsets)
    {
        for (const int dx : offsets) {
            QVERIFY2(ShowsPicture(table_->Surface(), x0 + dx, y, pip),
                     qPrintable(QStringLiteral("pip at x0 + %1").arg(dx)));
        }
    }

private slots:
    void init()
    {
        table_ = std::make_unique<TableFixture>();
        QVERIFY2(table_->Exposed(), "the drawing surface was not exposed");
    }
    void cleanup() { table_.reset(); }

    void cardRectanglesStandAtTheCellOrigins_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QList<int>>("xs");
        QTest::newRow("regular") << false << QList<int>{10, 91, 172, 253, 334, 415};
        QTest::newRow("large") << true << QList<int>{10, 102, 194, 286, 378, 470};
    }
    void cardRectanglesStandAtTheCellOrigins()
    {
        QFETCH(bool, large);
        QFETCH(QList<int>, xs);
        EmptyTable(large);
        const int w = table_->CardWidth();
        const int h = table_->CardHeight();
        const QList<int> ys{10, 60, 110, 160, 210};
        for (int column = 1; column <= 6; ++column) {
            const int row = column % 2 == 0 ? 1 : 5;
            table_->Painter().DrawCell(KingOfClubs, column, row);
            const int x0 = xs[column - 1];
            const int y0 = ys[row - 1];
            QCOMPARE(table_->Pixel(x0, y0), Black);
            QCOMPARE(table_->Pixel(x0 + w - 1, y0 + h - 1), Black);
            QCOMPARE(table_->Pixel(x0 - 1, y0 + 1), table_->Felt());
            QCOMPARE(table_->Pixel(x0 + w, y0 + 1), table_->Felt());
            QCOMPARE(table_->Pixel(x0 + 1, y0 + h), table_->Felt());
            QCOMPARE(table_->Pixel(x0 + 1, y0 - 1), table_->Felt());
            QCOMPARE(table_->Pixel(x0 + 1, y0 + h / 2), White);
        }
    }

    void aceOfHeartsHasCornersAndOneCentredPip()
    {
        EmptyTable(false);
        table_->Painter().DrawCell(AceOfHearts, 2, 1);
        const QImage& s = table_->Surface();
        const int x0 = 91;
        const int y0 = 10;
        const vantrel::Pictures& p = table_->Pictures();
        QVERIFY(ShowsPicture(s, x0 + 31, y0 + 36, p.HPip));
        QVERIFY(ShowsPicture(s, x0 + 71 - 23, y0 + 2, p.HBmp));
        QVERIFY(ShowsPicture(s, x0 + 2, y0 + 82 - 23 - 2, p.HBmp));
        const QImage a = TextImage(QStringLiteral("A"), 12, Red, White);
        QVERIFY(ShowsPicture(s, x0 + 2, y0 + 1, a));
        QVERIFY(ShowsPicture(s, x0 + 71 - 2 - a.width(), y0 + 82 - 2 - a.height(), a));
        QVERIFY(CountOf(a, a.rect(), Red) > 0);
    }

    void clubsTakeTheirWiderPictureAndBlackText()
    {
        EmptyTable(false);
        table_->Painter().DrawCell(TwoOfClubs, 3, 1);
        const QImage& s = table_->Surface();
        const int x0 = 172;
        QVERIFY(ShowsPicture(s, x0 + 71 - 25, 12, table_->Pictures().CBmp));
        QVERIFY(ShowsPicture(s, x0 + 2, 10 + 57, table_->Pictures().CBmp));
        QVERIFY(ShowsPicture(s, x0 + 2, 11, TextImage(QStringLiteral("2"), 12, Black, White)));
        // Two pips in one row, centred: (71 - 18 - 3) / 2 = 25.
        VerifyPipRow(x0, 10 + 36, table_->Pictures().CPip, {25, 37});
        QVERIFY(AllOf(s, QRect(x0 + 1, 10 + 26, 69, 10), White));
    }

    void fiveSevenNineAndTenPipsFollowTheWorkedPositions()
    {
        EmptyTable(false);
        const vantrel::Pictures& p = table_->Pictures();
        table_->Painter().DrawCell(FiveOfSpades, 2, 1);
        VerifyPipRow(91, 10 + 36, p.SPip, {7, 19, 31, 43, 55});
        table_->Painter().DrawCell(TenOfDiamonds, 3, 1);
        VerifyPipRow(172, 10 + 27, p.DPip, {7, 19, 31, 43, 55});
        VerifyPipRow(172, 10 + 45, p.DPip, {7, 19, 31, 43, 55});
        // The white band one pip high between the rows.
        QVERIFY(AllOf(table_->Surface(), QRect(172 + 1, 10 + 36, 69, 9), White));
        table_->Painter().DrawCell(TenOfClubs, 4, 1);
        VerifyPipRow(253, 10 + 26, p.CPip, {7, 19, 31, 43, 55});
        VerifyPipRow(253, 10 + 46, p.CPip, {7, 19, 31, 43, 55});
        // An odd rank puts the smaller half on top, each row centred on its own count.
        table_->Painter().DrawCell(SevenOfSpades, 5, 1);
        VerifyPipRow(334, 10 + 27, p.SPip, {19, 31, 43});
        VerifyPipRow(334, 10 + 45, p.SPip, {13, 25, 37, 49});
        table_->Painter().DrawCell(NineOfHearts, 6, 1);
        VerifyPipRow(415, 10 + 27, p.HPip, {13, 25, 37, 49});
        VerifyPipRow(415, 10 + 45, p.HPip, {7, 19, 31, 43, 55});
    }

    void largeCardsCentreTheirPipsFurtherIn()
    {
        EmptyTable(true);
        const vantrel::Pictures& p = table_->Pictures();
        table_->Painter().DrawCell(FiveOfHearts, 2, 1);
        VerifyPipRow(102, 10 + 49, p.HPip, {12, 24, 36, 48, 60});
        table_->Painter().DrawCell(TenOfClubs, 3, 1);
        VerifyPipRow(194, 10 + 49 - 10, p.CPip, {12, 24, 36, 48, 60});
        VerifyPipRow(194, 10 + 49 + 10, p.CPip, {12, 24, 36, 48, 60});
        QVERIFY(ShowsPicture(table_->Surface(), 194 + 82 - 25, 12, p.CBmp));
        QVERIFY(ShowsPicture(table_->Surface(), 194 + 2, 10 + 108 - 25, p.CBmp));
    }

    void tenEndsTwoPixelsInsideTheCorner()
    {
        EmptyTable(false);
        table_->Painter().DrawCell(TenOfDiamonds, 2, 2);
        const QImage ten = TextImage(QStringLiteral("10"), 12, Red, White);
        const int right = 91 + 71 - 2;
        const int bottom = 60 + 82 - 2;
        QVERIFY(ShowsPicture(table_->Surface(), 91 + 2, 61, ten));
        QVERIFY(ShowsPicture(table_->Surface(), right - ten.width(), bottom - ten.height(), ten));
    }

    void courtCardsHaveNoPips()
    {
        EmptyTable(false);
        const int codes[] = {QueenOfHearts, KingOfHearts, KingOfClubs};
        for (int column = 2; column <= 4; ++column) {
            table_->Painter().DrawCell(codes[column - 2], column, 1);
            const int x0 = 91 + (column - 2) * 81;
            // Between the top-right and bottom-left pictures the face is blank.
            QVERIFY(AllOf(table_->Surface(), QRect(x0 + 1, 10 + 26, 69, 82 - 52), White));
        }
    }

    void backsStandOnePixelInFromTheOrigin_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("regular") << false;
        QTest::newRow("large") << true;
    }
    void backsStandOnePixelInFromTheOrigin()
    {
        QFETCH(bool, large);
        EmptyTable(large);
        table_->Painter().DrawCell(vantrel::FaceDown, 6, 2);
        const int x0 = large ? 470 : 415;
        QVERIFY(ShowsPicture(table_->Surface(), x0 + 1, 61, table_->CardBack()));
        QCOMPARE(table_->Pixel(x0, 61), table_->Felt());
        QCOMPARE(table_->Pixel(x0 + 1, 60), table_->Felt());
    }

    void eraseLeavesNoStrayLineOfABack_data() { backsStandOnePixelInFromTheOrigin_data(); }
    void eraseLeavesNoStrayLineOfABack()
    {
        QFETCH(bool, large);
        EmptyTable(large);
        const int w = table_->CardWidth();
        const int h = table_->CardHeight();
        table_->Painter().DrawCell(vantrel::FaceDown, 3, 3);
        table_->Painter().DrawCell(vantrel::EraseCell, 3, 3);
        const int x0 = 2 * (w + 10) + 10;
        QVERIFY(AllOf(table_->Surface(), QRect(x0 - 2, 108, w + 5, h + 5), table_->Felt()));
    }

    void faceDownOnTheDeckCellAndUnknownCodesDrawNothing()
    {
        EmptyTable(false);
        table_->Painter().DrawCell(KingOfClubs, 2, 2);
        const QImage before = table_->Surface().copy();
        table_->Painter().DrawCell(vantrel::FaceDown, 1, 1);
        for (const int code : {99, 55, 76, 78, 89, 91, 100, -1, -77}) {
            for (int column = 1; column <= 6; ++column) {
                table_->Painter().DrawCell(code, column, 2);
            }
        }
        QCOMPARE(table_->Surface(), before);
    }

    void openSlotsAndErasedCellsFollowTheColourScheme()
    {
        for (const bool alt : {false, true}) {
            table_->UseAltColors(alt);
            EmptyTable(false);
            const QColor ground = vantrel::ColourOf(alt ? vantrel::Grey : vantrel::Green);
            QCOMPARE(table_->Felt(), ground);
            table_->Box().canvas().SetBrushColour(Black);
            table_->Box().canvas().FillRect(0, 0, 600, 400);
            table_->Painter().DrawCell(vantrel::OpenSlot, 2, 1);
            QVERIFY(AllOf(table_->Surface(), QRect(91, 10, 71, 1), White));
            QVERIFY(AllOf(table_->Surface(), QRect(91, 10 + 81, 71, 1), White));
            QVERIFY(AllOf(table_->Surface(), QRect(92, 11, 69, 80), ground));
            QCOMPARE(table_->Pixel(91 + 71, 50), Black);
            table_->Painter().DrawCell(vantrel::EraseCell, 4, 1);
            QVERIFY(AllOf(table_->Surface(), QRect(253, 10, 72, 83), ground));
            QCOMPARE(table_->Pixel(253 + 72, 50), Black);
        }
    }

    // Each word fits its fixed place at both card sizes, measured in the table's font.
    void everyLanguagesWordsFitTheirPlaces_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("tight");  // the words that do not fit
        for (const char* language : {"de", "fr", "es", "it", "nl", "pt_BR"}) {
            QTest::newRow(language) << QString::fromLatin1(language) << QStringList();
        }
        using namespace vantrel::TableWords;
        QTest::newRow("40% longer") << QString() << QStringList{TopHeading, Resume, Win, Ace, King};
    }
    void everyLanguagesWordsFitTheirPlaces()
    {
        QFETCH(QString, language);
        const vantrel::ProgramLanguage texts({language});
        QCOMPARE(texts.Name(), language);
        texts.Install();
        QStringList overflowing;
        for (const auto& cards : {vantrel::RegularCardMetrics, vantrel::LargeCardMetrics}) {
            for (const auto& place : vantrel::TableWords::Places(cards)) {
                const QString english = QString::fromUtf8(place.word);
                const QString text = vantrel::TableWords::Translated(place.word);
                // No more lines than in English; box and ink left of where the painter
                // cuts; a rank (one letter) is cut to its corner box, so its ink stays in it.
                const QFontMetrics metrics(vantrel::TableFont(place.points));
                for (const QString& line : text.split(QLatin1Char('\n'))) {
                    const QString shown = language.isEmpty() ? Lengthened(line) : line;
                    const int advance = metrics.horizontalAdvance(shown);
                    const QRect ink = metrics.boundingRect(shown);
                    const bool cut =
                        english.size() == 1 && (ink.left() < 0 || ink.right() >= advance);
                    if (text.count(QLatin1Char('\n')) > english.count(QLatin1Char('\n')) || cut ||
                        place.left + std::max(advance, ink.right() + 1) > place.right) {
                        overflowing << english;
                    }
                }
            }
        }
        overflowing.removeDuplicates();
        QTEST(overflowing, "tight");
    }

    void nextPromptCoversTheDeckPile_data()
    {
        QTest::addColumn<int>("round");
        QTest::addColumn<QString>("lastWord");
        QTest::newRow("before a game") << 0 << QStringLiteral("Round");
        QTest::newRow("round 4") << 4 << QStringLiteral("Round");
        QTest::newRow("round 5") << 5 << QStringLiteral("Game!");
    }
    void nextPromptCoversTheDeckPile()
    {
        QFETCH(int, round);
        QFETCH(QString, lastWord);
        EmptyTable(false);
        table_->Painter().DrawDeckPile();
        Game().RoundNo = round;
        table_->Painter().DrawCell(vantrel::NextPrompt, 1, 1);
        const QImage& s = table_->Surface();
        const QColor yellow = vantrel::ColourOf(vantrel::Yellow);
        // From (9, 9) to (85, 96), right and bottom excluded, framed in black.
        QVERIFY(AllOf(s, QRect(9, 9, 76, 1), Black));
        QVERIFY(AllOf(s, QRect(9, 95, 76, 1), Black));
        QVERIFY(AllOf(s, QRect(84, 9, 1, 87), Black));
        QVERIFY(AllOf(s, QRect(85, 9, 1, 90), table_->Felt()));
        QVERIFY(AllOf(s, QRect(10, 90, 74, 5), yellow));
        QVERIFY(ShowsPicture(s, 18, 10, TextImage(QStringLiteral("Click"), 10, Black, yellow)));
        QVERIFY(ShowsPicture(s, 18, 30, TextImage(QStringLiteral("for"), 10, Black, yellow)));
        QVERIFY(ShowsPicture(s, 18, 50, TextImage(QStringLiteral("next"), 10, Black, yellow)));
        QVERIFY(ShowsPicture(s, 18, 70, TextImage(lastWord, 10, Black, yellow)));
        // The prompt leaves the font size at 10 for a banner that follows.
        QCOMPARE(table_->Box().canvas().FontSize(), 10);
    }
};

QTEST_MAIN(CardPaintingTest)
#include "test_card_painting.moc"
