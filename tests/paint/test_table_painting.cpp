// Table painting read back from the surface: the deck pile, the empty table of a
// round, the score panel, the hand scores, the Top 5 view and the WIN banner, in
// their painting order.
#include <QtTest>

#include "TableFixture.h"
#include "paint/Canvas.h"
#include "paint/Colours.h"
#include "paint/PaintBox.h"

using vantrel::testing::RecordingGame;

namespace {

const QColor White = vantrel::ColourOf(vantrel::White);
const QColor Black = vantrel::ColourOf(vantrel::Black);
const QColor Red = vantrel::ColourOf(vantrel::Red);
const QColor Yellow = vantrel::ColourOf(vantrel::Yellow);

}  // namespace

class TablePaintingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TableFixture> table;
    RecordingGame& game() { return table->game(); }
    const QImage& surface() { return table->surface(); }

    // Between rounds, nothing on the board and no score yet.
    void tableBetweenRounds(bool large)
    {
        table->useLargeCards(large);
        table->clearBoard();
        game().Placing = vantrel::False;
        game().HighScoreView = vantrel::False;
        game().Board(1, 1) = vantrel::FaceDown;
    }

    bool showsText(int x, int y, const QString& text, int points, const QColor& ink,
                   const QColor& background)
    {
        return ShowsPicture(surface(), x, y, TextImage(text, points, ink, background));
    }

    void widenSurface(int width)
    {
        table->box().resize(width, table->box().height());
        QCoreApplication::processEvents();
        QVERIFY(table->box().width() >= width - 10);
    }

private slots:
    void init() { table = std::make_unique<TableFixture>(); }
    void cleanup() { table.reset(); }

    void startUpShowsPilePanelBoxAndZeros()
    {
        // The state right after start-up, as the window's own first paint shows it.
        QCOMPARE(game().Placing, vantrel::False);
        QCOMPARE(game().Board(1, 1), int(vantrel::FaceDown));
        table->repaint();
        const QImage& back = table->cardBack();
        QVERIFY(ShowsPicture(surface(), 13, 13, back));
        QCOMPARE(table->pixel(9, 9), back.pixelColor(0, 0));
        QCOMPARE(table->pixel(11, 11), back.pixelColor(0, 0));
        QCOMPARE(table->pixel(8, 8), table->felt());
        QVERIFY(showsText(12, 135, QStringLiteral("Play..."), 10, Black, table->felt()));
        for (int i = 1; i <= 5; ++i) {
            QVERIFY(showsText(71 + 65 + 50 * i, 82 + 230, QStringLiteral("0"), 10, Black, Yellow));
        }
        // No hand scores between the cards and the panel box.
        QVERIFY(AllOf(surface(), QRect(0, 243, 500, 282 - 243), table->felt()));
    }

    void panelBoxIsRoundedAndEndsInsideItsRectangle_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<QRect>("box");
        QTest::newRow("regular") << false << false << QRect(QPoint(81, 282), QPoint(484, 349));
        QTest::newRow("large") << true << false << QRect(QPoint(92, 308), QPoint(495, 375));
        QTest::newRow("large, alternate")
            << true << true << QRect(QPoint(92, 308), QPoint(495, 375));
    }
    void panelBoxIsRoundedAndEndsInsideItsRectangle()
    {
        QFETCH(bool, large);
        QFETCH(bool, alt);
        QFETCH(QRect, box);
        table->useAltColors(alt);
        tableBetweenRounds(large);
        table->repaint();
        const QColor panel = vantrel::ColourOf(alt ? vantrel::White : vantrel::Yellow);
        QCOMPARE(table->panel(), panel);
        const int middleY = box.top() + 34;
        QCOMPARE(table->pixel(box.center().x(), box.top()), Black);
        QCOMPARE(table->pixel(box.center().x(), box.bottom()), Black);
        QCOMPARE(table->pixel(box.left(), middleY), Black);
        QCOMPARE(table->pixel(box.right(), middleY), Black);
        QCOMPARE(table->pixel(box.right() + 1, middleY), table->felt());
        QCOMPARE(table->pixel(box.center().x(), box.bottom() + 1), table->felt());
        QCOMPARE(table->pixel(box.left() + 2, middleY), panel);
        QCOMPARE(table->pixel(box.left(), box.top()), table->felt());
        QCOMPARE(table->pixel(box.right(), box.top()), table->felt());
        QCOMPARE(table->pixel(box.left(), box.bottom()), table->felt());
        QCOMPARE(table->pixel(box.right(), box.bottom()), table->felt());
    }

    void panelWritesEveryRoundAndTheTotal_data()
    {
        panelBoxIsRoundedAndEndsInsideItsRectangle_data();
    }
    void panelWritesEveryRoundAndTheTotal()
    {
        QFETCH(bool, large);
        QFETCH(bool, alt);
        table->useAltColors(alt);
        tableBetweenRounds(large);
        const int scores[] = {12, 0, -3, 29, 7};
        for (int i = 1; i <= 5; ++i) {
            game().ScoreTable(i, vantrel::RoundScoreColumn) = scores[i - 1];
        }
        game().GameTotal() = 45;
        table->repaint();
        const int w = table->cardWidth();
        const int h = table->cardHeight();
        const QColor panel = table->panel();
        QVERIFY(showsText(w + 15, h + 210, QStringLiteral("Round"), 10, Black, panel));
        QVERIFY(showsText(w + 15, h + 230, QStringLiteral("Score"), 10, Black, panel));
        for (int i = 1; i <= 5; ++i) {
            const int x = w + 65 + 50 * i;
            QVERIFY(showsText(x, h + 210, QString::number(i), 10, Black, panel));
            QVERIFY(showsText(x, h + 230, QString::number(scores[i - 1]), 10, Black, panel));
        }
        QVERIFY(showsText(w + 365, h + 210, QStringLiteral("Total"), 10, Black, panel));
        QVERIFY(showsText(w + 365, h + 230, QStringLiteral("45"), 10, Black, panel));
    }

    void handScoresShowBelowTheirColumns_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("regular") << false;
        QTest::newRow("large") << true;
    }
    void handScoresShowBelowTheirColumns()
    {
        QFETCH(bool, large);
        tableBetweenRounds(large);
        game().Board(1, 1) = vantrel::NextPrompt;
        const int shown[] = {2, 255, 0, 14, 300, -1};
        for (int c = 1; c <= 6; ++c) {
            game().ScoreTable(c, vantrel::ShownScoreColumn) = shown[c - 1];
        }
        table->repaint();
        const int w = table->cardWidth();
        const int y = table->cardHeight() + 170;
        const auto x = [w](int column) { return (column - 1) * (w + 10) + 40; };
        QVERIFY(showsText(x(1), y, QStringLiteral("2"), 10, Black, table->felt()));
        QVERIFY(showsText(x(3), y, QStringLiteral("0"), 10, Black, table->felt()));
        QVERIFY(showsText(x(4), y, QStringLiteral("14"), 10, Black, table->felt()));
        QVERIFY(showsText(x(6), y, QStringLiteral("-1"), 10, Black, table->felt()));
        // 255 and above show nothing.
        QVERIFY(AllOf(surface(), QRect(x(2) - 5, y, 40, 16), table->felt()));
        QVERIFY(AllOf(surface(), QRect(x(5) - 5, y, 40, 16), table->felt()));
        QVERIFY(showsText(8, 135, QStringLiteral("The Cut"), 10, Black, table->felt()));
    }

    void placingPaintsTheEmptyTableBeneathTheCells()
    {
        tableBetweenRounds(false);
        game().Placing = vantrel::True;
        for (int r = 1; r <= 4; ++r) {
            game().Board(6, r) = vantrel::FaceDown;
        }
        game().Board(3, 1) = vantrel::OpenSlot;
        table->repaint();
        const QImage& back = table->cardBack();
        // The empty table's crib backs stand at the cell origins; the cells' backs,
        // drawn later, one pixel further in. The first row keeps its corner pixel.
        QCOMPARE(table->pixel(415, 10), back.pixelColor(0, 0));
        QVERIFY(ShowsPicture(surface(), 416, 161, back));
        // A hand slot frame under a cell that holds nothing stays visible.
        QVERIFY(AllOf(surface(), QRect(91, 10, 71, 1), White));
        QVERIFY(AllOf(surface(), QRect(91, 91, 71, 1), White));
        QVERIFY(AllOf(surface(), QRect(92, 11, 69, 80), table->felt()));
        QVERIFY(AllOf(surface(), QRect(173, 11, 69, 80), table->felt()));
        QVERIFY(ShowsPicture(surface(), 13, 13, back));
    }

    void topFiveIsYellowInBothSchemes_data()
    {
        QTest::addColumn<bool>("alt");
        QTest::newRow("normal") << false;
        QTest::newRow("alternate") << true;
    }
    void topFiveIsYellowInBothSchemes()
    {
        QFETCH(bool, alt);
        table->useAltColors(alt);
        tableBetweenRounds(false);
        table->top[0] = {QString::fromLatin1("Zo\xEB"), 215};
        table->top[4] = {QStringLiteral("Ann"), -4};
        table->painter().DrawHighScores(table->top);
        QCOMPARE(table->pixel(64, 170), Yellow);
        QCOMPARE(table->pixel(60, 170), Black);
        QCOMPARE(table->pixel(459, 170), Black);
        QCOMPARE(table->pixel(260, 333), Black);
        QVERIFY(
            showsText(120, 30, QStringLiteral("...The Vantrel Top 5 List..."), 16, Black, Yellow));
        QVERIFY(showsText(120, 60, QString::fromLatin1("Zo\xEB"), 16, Black, Yellow));
        QVERIFY(showsText(360, 60, QStringLiteral("215"), 16, Black, Yellow));
        QVERIFY(showsText(120, 180, QStringLiteral("Ann"), 16, Black, Yellow));
        QVERIFY(showsText(360, 180, QStringLiteral("-4"), 16, Black, Yellow));
        QVERIFY(showsText(120, 300, QStringLiteral("Click left button to resume..."), 16, Black,
                          Yellow));
    }

    void topFiveRepaintKeepsThePromptAndHidesTheCells()
    {
        tableBetweenRounds(false);
        game().Board(1, 1) = vantrel::NextPrompt;
        game().Board(6, 1) = 25;
        game().HighScoreView = vantrel::True;
        table->repaint();
        QCOMPARE(table->pixel(30, 90), Yellow);          // the prompt, left of the box
        QCOMPARE(table->pixel(470, 50), table->felt());  // no card in the crib column
        QCOMPARE(table->pixel(64, 170), Yellow);
    }

    void winBannerNeedsOneHundredEighty()
    {
        tableBetweenRounds(false);
        game().GameTotal() = 179;
        table->repaint();
        QVERIFY(AllOf(surface(), QRect(0, 200, 8, 24), table->felt()));
        game().GameTotal() = 180;
        table->repaint();
        QVERIFY(AllOf(surface(), QRect(0, 200, 4, 24), table->panel()));
    }

    void winBannerTilesTheScreenWidth_data()
    {
        QTest::addColumn<bool>("alt");
        QTest::newRow("normal") << false;
        QTest::newRow("alternate") << true;
    }
    void winBannerTilesTheScreenWidth()
    {
        QFETCH(bool, alt);
        table->useAltColors(alt);
        tableBetweenRounds(false);
        widenSurface(1100);
        game().GameTotal() = 200;
        table->repaint();
        const QColor panel = vantrel::ColourOf(alt ? vantrel::White : vantrel::Yellow);
        const QImage win = TextImage(QStringLiteral("WIN"), 10, Red, panel);
        int tiles = 0;
        for (int x = 0; x < 1100; x += 48) {
            if (table->pixel(x, 200) == panel) {
                ++tiles;
                QVERIFY(ShowsPicture(surface(), x + 4, 204, win));
                QCOMPARE(table->pixel(x + 47, 223), panel);
            }
        }
        QCOMPARE(tiles, 22);
        QVERIFY(AllOf(surface(), QRect(1056, 195, 40, 40), table->felt()));
        QVERIFY(AllOf(surface(), QRect(500, 199, 556, 1), table->felt()));
        QVERIFY(AllOf(surface(), QRect(500, 224, 556, 1), table->felt()));
    }

    void winAfterTheTopFiveIsWrittenInItsSize()
    {
        tableBetweenRounds(false);
        game().GameTotal() = 180;
        game().HighScoreView = vantrel::True;
        table->repaint();
        // 21 pixels of text in a 24-pixel tile from y 204: the last rows are cut off.
        const QImage win = TextImage(QStringLiteral("WIN"), 16, Red, Yellow);
        QVERIFY(ShowsPicture(surface(), 4, 204, win.copy(0, 0, win.width(), 20)));
    }

    void cutLabelTurnsToPlayWithoutFullRepaint()
    {
        tableBetweenRounds(false);
        game().Board(1, 1) = vantrel::NextPrompt;
        table->repaint();
        QVERIFY(showsText(8, 135, QStringLiteral("The Cut"), 10, Black, table->felt()));
        const int inkLeftOfPlay = CountOf(surface(), QRect(8, 135, 4, 16), Black);
        QVERIFY(inkLeftOfPlay > 0);
        game().Board(1, 1) = vantrel::FaceDown;
        table->painter().DrawScorePanel();
        QVERIFY(showsText(12, 135, QStringLiteral("Play..."), 10, Black, table->felt()));
        // Columns 8..11 keep the start of the old label.
        QCOMPARE(CountOf(surface(), QRect(8, 135, 4, 16), Black), inkLeftOfPlay);
    }
};

QTEST_MAIN(TablePaintingTest)
#include "test_table_painting.moc"
