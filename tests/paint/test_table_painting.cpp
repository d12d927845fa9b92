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
    std::unique_ptr<TableFixture> table_;
    RecordingGame& Game() { return table_->Game(); }
    const QImage& Surface() { return table_->Surface(); }

    // Between rounds, nothing on the board and no score yet.
    void TableBetweenRounds(bool large)
    {
        table_->UseLargeCards(large);
        table_->ClearBoard();
        Game().Placing = vantrel::False;
        Game().HighScoreView = vantrel::False;
        Game().Board(1, 1) = vantrel::FaceDown;
    }

    bool ShowsText(int x, int y, const QString& text, int points, const QColor& ink,
                   const QColor& background)
    {
        return ShowsPicture(Surface(), x, y, TextImage(text, points, ink, background));
    }

    void WidenSurface(int width)
    {
        table_->Box().resize(width, table_->Box().height());
        QCoreApplication::processEvents();
        QVERIFY(table_->Box().width() >= width - 10);
    }

private slots:
    void init()
    {
        table_ = std::make_unique<TableFixture>();
        QVERIFY2(table_->Exposed(), "the drawing surface was not exposed");
    }
    void cleanup() { table_.reset(); }

    void startUpShowsPilePanelBoxAndZeros()
    {
        // The state right after start-up, as the window's own first paint shows it.
        QCOMPARE(Game().Placing, vantrel::False);
        QCOMPARE(Game().Board(1, 1), int(vantrel::FaceDown));
        table_->Repaint();
        const QImage& back = table_->CardBack();
        QVERIFY(ShowsPicture(Surface(), 13, 13, back));
        QCOMPARE(table_->Pixel(9, 9), back.pixelColor(0, 0));
        QCOMPARE(table_->Pixel(11, 11), back.pixelColor(0, 0));
        QCOMPARE(table_->Pixel(8, 8), table_->Felt());
        QVERIFY(ShowsText(12, 135, QStringLiteral("Play..."), 10, Black, table_->Felt()));
        for (int i = 1; i <= 5; ++i) {
            QVERIFY(ShowsText(71 + 65 + 50 * i, 82 + 230, QStringLiteral("0"), 10, Black, Yellow));
        }
        // No hand scores between the cards and the panel box.
        QVERIFY(AllOf(Surface(), QRect(0, 243, 500, 282 - 243), table_->Felt()));
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
        table_->UseAltColors(alt);
        TableBetweenRounds(large);
        table_->Repaint();
        const QColor panel = vantrel::ColourOf(alt ? vantrel::White : vantrel::Yellow);
        QCOMPARE(table_->Panel(), panel);
        const int middleY = box.top() + 34;
        QCOMPARE(table_->Pixel(box.center().x(), box.top()), Black);
        QCOMPARE(table_->Pixel(box.center().x(), box.bottom()), Black);
        QCOMPARE(table_->Pixel(box.left(), middleY), Black);
        QCOMPARE(table_->Pixel(box.right(), middleY), Black);
        QCOMPARE(table_->Pixel(box.right() + 1, middleY), table_->Felt());
        QCOMPARE(table_->Pixel(box.center().x(), box.bottom() + 1), table_->Felt());
        QCOMPARE(table_->Pixel(box.left() + 2, middleY), panel);
        QCOMPARE(table_->Pixel(box.left(), box.top()), table_->Felt());
        QCOMPARE(table_->Pixel(box.right(), box.top()), table_->Felt());
        QCOMPARE(table_->Pixel(box.left(), box.bottom()), table_->Felt());
        QCOMPARE(table_->Pixel(box.right(), box.bottom()), table_->Felt());
    }

    void panelWritesEveryRoundAndTheTotal_data()
    {
        panelBoxIsRoundedAndEndsInsideItsRectangle_data();
    }
    void panelWritesEveryRoundAndTheTotal()
    {
        QFETCH(bool, large);
        QFETCH(bool, alt);
        table_->UseAltColors(alt);
        TableBetweenRounds(large);
        const int scores[] = {12, 0, -3, 29, 7};
        for (int i = 1; i <= 5; ++i) {
            Game().ScoreTable(i, vantrel::RoundScoreColumn) = scores[i - 1];
        }
        Game().GameTotal() = 45;
        table_->Repaint();
        const int w = table_->CardWidth();
        const int h = table_->CardHeight();
        const QColor panel = table_->Panel();
        QVERIFY(ShowsText(w + 15, h + 210, QStringLiteral("Round"), 10, Black, panel));
        QVERIFY(ShowsText(w + 15, h + 230, QStringLiteral("Score"), 10, Black, panel));
        for (int i = 1; i <= 5; ++i) {
            const int x = w + 65 + 50 * i;
            QVERIFY(ShowsText(x, h + 210, QString::number(i), 10, Black, panel));
            QVERIFY(ShowsText(x, h + 230, QString::number(scores[i - 1]), 10, Black, panel));
        }
        QVERIFY(ShowsText(w + 365, h + 210, QStringLiteral("Total"), 10, Black, panel));
        QVERIFY(ShowsText(w + 365, h + 230, QStringLiteral("45"), 10, Black, panel));
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
        TableBetweenRounds(large);
        Game().Board(1, 1) = vantrel::NextPrompt;
        const int shown[] = {2, 255, 0, 14, 300, -1};
        for (int c = 1; c <= 6; ++c) {
            Game().ScoreTable(c, vantrel::ShownScoreColumn) = shown[c - 1];
        }
        table_->Repaint();
        const int w = table_->CardWidth();
        const int y = table_->CardHeight() + 170;
        const auto x = [w](int column) { return (column - 1) * (w + 10) + 40; };
        QVERIFY(ShowsText(x(1), y, QStringLiteral("2"), 10, Black, table_->Felt()));
        QVERIFY(ShowsText(x(3), y, QStringLiteral("0"), 10, Black, table_->Felt()));
        QVERIFY(ShowsText(x(4), y, QStringLiteral("14"), 10, Black, table_->Felt()));
        QVERIFY(ShowsText(x(6), y, QStringLiteral("-1"), 10, Black, table_->Felt()));
        // 255 and above show nothing.
        QVERIFY(AllOf(Surface(), QRect(x(2) - 5, y, 40, 16), table_->Felt()));
        QVERIFY(AllOf(Surface(), QRect(x(5) - 5, y, 40, 16), table_->Felt()));
        QVERIFY(ShowsText(8, 135, QStringLiteral("The Cut"), 10, Black, table_->Felt()));
    }

    void placingPaintsTheEmptyTableBeneathTheCells()
    {
        TableBetweenRounds(false);
        Game().Placing = vantrel::True;
        for (int r = 1; r <= 4; ++r) {
            Game().Board(6, r) = vantrel::FaceDown;
        }
        Game().Board(3, 1) = vantrel::OpenSlot;
        table_->Repaint();
        const QImage& back = table_->CardBack();
        // The empty table's crib backs stand at the cell origins; the cells' backs,
        // drawn later, one pixel further in. The first row keeps its corner pixel.
        QCOMPARE(table_->Pixel(415, 10), back.pixelColor(0, 0));
        QVERIFY(ShowsPicture(Surface(), 416, 161, back));
        // A hand slot frame under a cell that holds nothing stays visible.
        QVERIFY(AllOf(Surface(), QRect(91, 10, 71, 1), White));
        QVERIFY(AllOf(Surface(), QRect(91, 91, 71, 1), White));
        QVERIFY(AllOf(Surface(), QRect(92, 11, 69, 80), table_->Felt()));
        QVERIFY(AllOf(Surface(), QRect(173, 11, 69, 80), table_->Felt()));
        QVERIFY(ShowsPicture(Surface(), 13, 13, back));
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
        table_->UseAltColors(alt);
        TableBetweenRounds(false);
        table_->top[0] = {QString::fromLatin1("Zo\xEB"), 215};
        table_->top[4] = {QStringLiteral("Ann"), -4};
        table_->Painter().DrawHighScores(table_->top);
        QCOMPARE(table_->Pixel(64, 170), Yellow);
        QCOMPARE(table_->Pixel(60, 170), Black);
        QCOMPARE(table_->Pixel(459, 170), Black);
        QCOMPARE(table_->Pixel(260, 333), Black);
        QVERIFY(
            ShowsText(120, 30, QStringLiteral("...The Vantrel Top 5 List..."), 16, Black, Yellow));
        QVERIFY(ShowsText(120, 60, QString::fromLatin1("Zo\xEB"), 16, Black, Yellow));
        QVERIFY(ShowsText(360, 60, QStringLiteral("215"), 16, Black, Yellow));
        QVERIFY(ShowsText(120, 180, QStringLiteral("Ann"), 16, Black, Yellow));
        QVERIFY(ShowsText(360, 180, QStringLiteral("-4"), 16, Black, Yellow));
        QVERIFY(ShowsText(120, 300, QStringLiteral("Click left button to resume..."), 16, Black,
                          Yellow));
    }

    // A long name is cut off before the score column and never runs into the score.
    void longNamesStopShortOfTheScore()
    {
        TableBetweenRounds(false);
        table_->top[1] = {QStringLiteral("Please enter your name!"), 120};
        table_->top[2] = {QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWW"), 7};
        table_->Painter().DrawHighScores(table_->top);
        for (const int y : {90, 120}) {
            QVERIFY(CountOf(Surface(), QRect(120, y, 236, 19), Black) > 0);
            QVERIFY(AllOf(Surface(), QRect(356, y, 4, 19), Yellow));
        }
        QVERIFY(ShowsText(360, 90, QStringLiteral("120"), 16, Black, Yellow));
        QVERIFY(ShowsText(360, 120, QStringLiteral("7"), 16, Black, Yellow));
        QVERIFY(AllOf(Surface(), QRect(380, 120, 79, 19), Yellow));  // nothing past the score
    }

    void topFiveNamesKeepTheGlyphsThatReachPastTheirBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bar, below") << QStringLiteral("Ann|Bo");
        QTest::newRow("broken bar, below") << QStringLiteral("Bo\u00A6");
        QTest::newRow("i circumflex first, left") << QStringLiteral("\u00EEda");
        QTest::newRow("quarter last, right") << QStringLiteral("Ann\u00BC");
        QTest::newRow("three quarters last, right") << QStringLiteral("Bo\u00BE");
        QTest::newRow("bars across the cut") << QStringLiteral("|WWWWWWWWWWWWWW||||");
    }
    // The name as a plain TextOut writes it, box and glyphs, cut only before the score.
    void topFiveNamesKeepTheGlyphsThatReachPastTheirBox()
    {
        QFETCH(QString, name);
        TableBetweenRounds(false);
        table_->top[2] = {QString(), 9};
        table_->Painter().DrawHighScores(table_->top);
        const QImage withoutName = Surface().copy();
        QImage expected = withoutName.copy();
        QRect box;
        {
            vantrel::Canvas plain(expected, {});
            plain.SetFontSize(16);
            plain.SetBrushColour(Yellow);
            plain.TextOut(120, 120, name);
            box = QRect(120, 120, plain.TextWidth(name), plain.TextHeight(name));
        }
        QImage outsideBox = expected.copy();
        QPainter(&outsideBox).drawImage(box.topLeft(), withoutName.copy(box));
        QVERIFY2(outsideBox != withoutName, "the name has no pixels outside its box");
        table_->top[2].name = name;
        table_->Painter().DrawHighScores(table_->top);
        const QRect beforeCut(0, 0, 356, Surface().height());
        const QRect fromCut(356, 0, Surface().width() - 356, Surface().height());
        QCOMPARE(Surface().copy(beforeCut), expected.copy(beforeCut));
        QCOMPARE(Surface().copy(fromCut), withoutName.copy(fromCut));
    }

    void topFiveRepaintKeepsThePromptAndHidesTheCells()
    {
        TableBetweenRounds(false);
        Game().Board(1, 1) = vantrel::NextPrompt;
        Game().Board(6, 1) = 25;
        Game().HighScoreView = vantrel::True;
        table_->Repaint();
        QCOMPARE(table_->Pixel(30, 90), Yellow);           // the prompt, left of the box
        QCOMPARE(table_->Pixel(470, 50), table_->Felt());  // no card in the crib column
        QCOMPARE(table_->Pixel(64, 170), Yellow);
    }

    void winBannerNeedsOneHundredEighty()
    {
        TableBetweenRounds(false);
        Game().GameTotal() = 179;
        table_->Repaint();
        QVERIFY(AllOf(Surface(), QRect(0, 200, 8, 24), table_->Felt()));
        Game().GameTotal() = 180;
        table_->Repaint();
        QVERIFY(AllOf(Surface(), QRect(0, 200, 4, 24), table_->Panel()));
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
        table_->UseAltColors(alt);
        TableBetweenRounds(false);
        WidenSurface(1100);
        Game().GameTotal() = 200;
        table_->Repaint();
        const QColor panel = vantrel::ColourOf(alt ? vantrel::White : vantrel::Yellow);
        const QImage win = TextImage(QStringLiteral("WIN"), 10, Red, panel);
        int tiles = 0;
        for (int x = 0; x < 1100; x += 48) {
            if (table_->Pixel(x, 200) == panel) {
                ++tiles;
                QVERIFY(ShowsPicture(Surface(), x + 4, 204, win));
                QCOMPARE(table_->Pixel(x + 47, 223), panel);
            }
        }
        QCOMPARE(tiles, 22);
        QVERIFY(AllOf(Surface(), QRect(1056, 195, 40, 40), table_->Felt()));
        QVERIFY(AllOf(Surface(), QRect(500, 199, 556, 1), table_->Felt()));
        QVERIFY(AllOf(Surface(), QRect(500, 224, 556, 1), table_->Felt()));
    }

    // A window wider than its screen still gets the banner across its whole width.
    void winBannerSpansASurfaceWiderThanItsScreen()
    {
        table_->Box().canvas().SetScreenWidthSource({});  // the surface's own screen
        const int screenWidth = table_->Box().screen()->geometry().width();
        TableBetweenRounds(false);
        WidenSurface(screenWidth + 100);
        Game().GameTotal() = 200;
        table_->Repaint();
        const int width = table_->Box().width();
        const int lastTile = (width - 1) / 48 * 48;
        QCOMPARE(table_->Pixel(lastTile, 200), table_->Panel());
        QCOMPARE(table_->Pixel(width - 1, 200), table_->Panel());
    }

    void winAfterTheTopFiveIsWrittenInItsSize()
    {
        TableBetweenRounds(false);
        Game().GameTotal() = 180;
        Game().HighScoreView = vantrel::True;
        table_->Repaint();
        // 21 pixels of text in a 24-pixel tile from y 204: the last rows are cut off.
        const QImage win = TextImage(QStringLiteral("WIN"), 16, Red, Yellow);
        QVERIFY(ShowsPicture(Surface(), 4, 204, win.copy(0, 0, win.width(), 20)));
    }

    void cutLabelTurnsToPlayWithoutFullRepaint()
    {
        TableBetweenRounds(false);
        Game().Board(1, 1) = vantrel::NextPrompt;
        table_->Repaint();
        QVERIFY(ShowsText(8, 135, QStringLiteral("The Cut"), 10, Black, table_->Felt()));
        const int inkLeftOfPlay = CountOf(Surface(), QRect(8, 135, 4, 16), Black);
        QVERIFY(inkLeftOfPlay > 0);
        Game().Board(1, 1) = vantrel::FaceDown;
        table_->Painter().DrawScorePanel();
        QVERIFY(ShowsText(12, 135, QStringLiteral("Play..."), 10, Black, table_->Felt()));
        // Columns 8..11 keep the start of the old label.
        QCOMPARE(CountOf(Surface(), QRect(8, 135, 4, 16), Black), inkLeftOfPlay);
    }
};

QTEST_MAIN(TablePaintingTest)
#include "test_table_painting.moc"
