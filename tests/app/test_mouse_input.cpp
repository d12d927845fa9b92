// The left mouse button on the table, with real events through the window system:
// the deck hot spot, the hand bands, releases outside the surface, other buttons and
// the Top 5 view.
// Events go through the window system's path, so the mouse grab of a press and the
// making of double clicks are those of a real window.
#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include "FormFixture.h"

using vantrel::TVantrelForm;

class MouseInputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormFixture> table;
    TVantrelForm& form() { return table->form(); }

    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(form().paintBox, button, {}, QPoint(x, y));
    }
    void release(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(form().paintBox, button, {}, QPoint(x, y));
    }

    // A new round under the relaxed rules: every hand open, nothing placed.
    void startRelaxedRound(bool large)
    {
        table->useLargeCards(large);
        form().RegularRules = vantrel::False;
        form().NewGame();
        QCOMPARE(form().Placing, vantrel::True);
    }

    // The hand whose first row has received a card, 0 when none has.
    int placedColumn() const
    {
        int found = 0;
        for (int c = vantrel::FirstHandColumn; c <= vantrel::LastHandColumn; ++c) {
            if (table->form().Board(c, 1) <= vantrel::LastCardCode) {
                found = found == 0 ? c : -1;
            }
        }
        return found;
    }

    // Before any game: nothing placed, no round.
    void idleTable()
    {
        form().Placing = vantrel::False;
        form().HighScoreView = vantrel::False;
        form().RoundNo = 0;
    }

private slots:
    void init() { table = std::make_unique<FormFixture>(); }
    void cleanup() { table.reset(); }

    void deckHotSpotExcludesAllFourBounds_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("starts");
        const int y = 50;
        QTest::newRow("regular x 10") << false << QPoint(10, y) << false;
        QTest::newRow("regular x 11") << false << QPoint(11, y) << true;
        QTest::newRow("regular x 80") << false << QPoint(80, y) << true;
        QTest::newRow("regular x 81") << false << QPoint(81, y) << false;
        QTest::newRow("regular y 10") << false << QPoint(40, 10) << false;
        QTest::newRow("regular y 11") << false << QPoint(40, 11) << true;
        QTest::newRow("regular y 91") << false << QPoint(40, 91) << true;
        QTest::newRow("regular y 92") << false << QPoint(40, 92) << false;
        QTest::newRow("large x 91") << true << QPoint(91, y) << true;
        QTest::newRow("large x 92") << true << QPoint(92, y) << false;
        QTest::newRow("large y 117") << true << QPoint(40, 117) << true;
        QTest::newRow("large y 118") << true << QPoint(40, 118) << false;
    }
    void deckHotSpotExcludesAllFourBounds()
    {
        QFETCH(bool, large);
        QFETCH(QPoint, at);
        QFETCH(bool, starts);
        table->useLargeCards(large);
        idleTable();
        press(at.x(), at.y());
        release(at.x(), at.y());
        QCOMPARE(form().Placing != vantrel::False, starts);
        QCOMPARE(form().RoundNo, starts ? 1 : 0);
    }

    void pressOnThePromptStartsTheNextRoundOrANewGame()
    {
        idleTable();
        form().RoundNo = 2;
        press(40, 40);
        release(40, 40);
        QCOMPARE(form().RoundNo, 3);
        QCOMPARE(form().Placing, vantrel::True);
        idleTable();
        form().RoundNo = 5;
        form().GameTotal() = 150;
        press(40, 40);
        release(40, 40);
        QCOMPARE(form().RoundNo, 1);
        QCOMPARE(form().GameTotal(), 0);
    }

    void pressWhilePlacingDoesNothing()
    {
        startRelaxedRound(false);
        const int current = form().CurrentCard();
        press(40, 40);
        release(40, 40);
        QCOMPARE(form().RoundNo, 1);
        QCOMPARE(form().CurrentCard(), current);
        QCOMPARE(placedColumn(), 0);
    }

    void releaseBandsIncludeTheGapToTheRight_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("column");
        const QList<QPair<int, int>> regular{{90, 0},  {91, 2},  {171, 2}, {172, 3},
                                             {252, 3}, {253, 4}, {333, 4}, {334, 5},
                                             {414, 5}, {415, 0}, {500, 0}, {-5, 0}};
        const QList<QPair<int, int>> large{{101, 0}, {102, 2}, {193, 2}, {194, 3}, {285, 3},
                                           {286, 4}, {377, 4}, {378, 5}, {469, 5}, {470, 0}};
        for (const auto& [x, column] : regular) {
            QTest::addRow("regular x %d", x) << false << x << column;
        }
        for (const auto& [x, column] : large) {
            QTest::addRow("large x %d", x) << true << x << column;
        }
    }
    void releaseBandsIncludeTheGapToTheRight()
    {
        QFETCH(bool, large);
        QFETCH(int, x);
        QFETCH(int, column);
        startRelaxedRound(large);
        const int current = form().CurrentCard();
        // Pressed off the deck, released far below the cards: Y is not looked at.
        press(x, 300);
        release(x, 300);
        QCOMPARE(placedColumn(), column);
        if (column != 0) {
            QCOMPARE(form().Board(column, 1), current);
        }
        // Neither the deck column nor the crib column beeps.
        QCOMPARE(table->desktop.beeps, 0);
    }

    void releaseOutsideTheSurfaceStillArrives()
    {
        startRelaxedRound(false);
        press(120, 50);
        release(120, -100);
        QCOMPARE(placedColumn(), 2);
        press(200, 50);
        release(200, form().paintBox->height() + 200);
        QCOMPARE(form().Board(3, 1) <= vantrel::LastCardCode, true);
        // Outside every band, outside the surface: nothing.
        const int placed = form().PlacedCount;
        press(450, 50);
        release(form().paintBox->width() + 50, -20);
        QCOMPARE(form().PlacedCount, placed);
    }

    void otherButtonsDoNothing()
    {
        idleTable();
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            press(40, 40, button);
            release(40, 40, button);
            QCOMPARE(form().Placing, vantrel::False);
            QCOMPARE(form().RoundNo, 0);
        }
        startRelaxedRound(false);
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            press(120, 50, button);
            release(120, 50, button);
            QCOMPARE(placedColumn(), 0);
        }
    }

    void releaseTakesTheTopFiveAwayWithoutPlacing()
    {
        startRelaxedRound(false);
        form().MenuGameHighScoresItemClick();
        QCOMPARE(table->pixel(64, 170), vantrel::ColourOf(vantrel::Yellow));
        const int current = form().CurrentCard();
        press(40, 40);  // on the deck: nothing while the list is shown
        QCOMPARE(form().RoundNo, 1);
        release(120, 50);
        QCOMPARE(form().HighScoreView, vantrel::False);
        QCOMPARE(placedColumn(), 0);
        QCOMPARE(form().CurrentCard(), current);
        // The table is back where the list stood: the open slot of hand 2.
        QCOMPARE(table->pixel(91, 50), vantrel::ColourOf(vantrel::White));
        QCOMPARE(table->pixel(100, 50), table->felt());
        // The next click places as usual.
        press(120, 50);
        release(120, 50);
        QCOMPARE(placedColumn(), 2);
    }

    void aDoubleClickIsTwoPressesAndTwoReleases()
    {
        QList<QPoint> downs;
        QList<QPoint> ups;
        form().paintBox->SetMouseHandlers(
            [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                downs.append({x, y});
            },
            [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                ups.append({x, y});
            });
        QTest::mouseDClick(form().paintBox, Qt::LeftButton, {}, QPoint(33, 44));
        QCOMPARE(downs, (QList<QPoint>{{33, 44}, {33, 44}}));
        QCOMPARE(ups, (QList<QPoint>{{33, 44}, {33, 44}}));
    }
};

QTEST_MAIN(MouseInputTest)
#include "test_mouse_input.moc"
