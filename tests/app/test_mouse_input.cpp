// The left mouse button on the table, with real events through the window system:
// the deck hot spot, the hand bands, releases outside the surface, other buttons and
// the Top 5 view; and the keys that do the same.
// Events go through the window system's path, so the mouse grab of a press and the
// making of double clicks are those of a real window.
#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include <QAccessible>

#include "FormFixture.h"

using vantrel::TVantrelForm;

class MouseInputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormFixture> table_;
    TVantrelForm& Form() { return table_->Form(); }

    void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&table_->Box(), button, {}, QPoint(x, y));
    }
    void Release(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(&table_->Box(), button, {}, QPoint(x, y));
    }

    // A new round under the relaxed rules: every hand open, nothing placed.
    void StartRelaxedRound(bool large)
    {
        table_->UseLargeCards(large);
        Form().RegularRules = vantrel::False;
        Form().NewGame();
        QCOMPARE(Form().Placing, vantrel::True);
    }

    // The hand whose first row has received a card, 0 when none has.
    int PlacedColumn() const
    {
        int found = 0;
        for (int c = vantrel::FirstHandColumn; c <= vantrel::LastHandColumn; ++c) {
            if (table_->Form().Board(c, 1) <= vantrel::LastCardCode) {
                found = found == 0 ? c : -1;
            }
        }
        return found;
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&table_->Box(), Qt::Key(key), modifiers);
    }

    // Before any game: nothing placed, no round.
    void IdleTable()
    {
        Form().Placing = vantrel::False;
        Form().HighScoreView = vantrel::False;
        Form().RoundNo = 0;
    }

private slots:
    void init() { table_ = std::make_unique<FormFixture>(); }
    void cleanup() { table_.reset(); }

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
        table_->UseLargeCards(large);
        IdleTable();
        Press(at.x(), at.y());
        Release(at.x(), at.y());
        QCOMPARE(Form().Placing != vantrel::False, starts);
        QCOMPARE(Form().RoundNo, starts ? 1 : 0);
    }

    void pressOnThePromptStartsTheNextRoundOrANewGame()
    {
        IdleTable();
        Form().RoundNo = 2;
        Press(40, 40);
        Release(40, 40);
        QCOMPARE(Form().RoundNo, 3);
        QCOMPARE(Form().Placing, vantrel::True);
        IdleTable();
        Form().RoundNo = 5;
        Form().GameTotal() = 150;
        Press(40, 40);
        Release(40, 40);
        QCOMPARE(Form().RoundNo, 1);
        QCOMPARE(Form().GameTotal(), 0);
    }

    void pressWhilePlacingDoesNothing()
    {
        StartRelaxedRound(false);
        const int current = Form().CurrentCard();
        Press(40, 40);
        Release(40, 40);
        QCOMPARE(Form().RoundNo, 1);
        QCOMPARE(Form().CurrentCard(), current);
        QCOMPARE(PlacedColumn(), 0);
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
        StartRelaxedRound(large);
        const int current = Form().CurrentCard();
        // Pressed off the deck, released far below the cards: Y is not looked at.
        Press(x, 300);
        Release(x, 300);
        QCOMPARE(PlacedColumn(), column);
        if (column != 0) {
            QCOMPARE(Form().Board(column, 1), current);
        }
        // Neither the deck column nor the crib column beeps.
        QCOMPARE(table_->desktop.beeps, 0);
    }

    void releaseOutsideTheSurfaceStillArrives()
    {
        StartRelaxedRound(false);
        Press(120, 50);
        Release(120, -100);
        QCOMPARE(PlacedColumn(), 2);
        Press(200, 50);
        Release(200, table_->Box().height() + 200);
        QCOMPARE(Form().Board(3, 1) <= vantrel::LastCardCode, true);
        // Outside every band, outside the surface: nothing.
        const int placed = Form().PlacedCount;
        Press(450, 50);
        Release(table_->Box().width() + 50, -20);
        QCOMPARE(Form().PlacedCount, placed);
    }

    void otherButtonsDoNothing()
    {
        IdleTable();
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            Press(40, 40, button);
            Release(40, 40, button);
            QCOMPARE(Form().Placing, vantrel::False);
            QCOMPARE(Form().RoundNo, 0);
        }
        StartRelaxedRound(false);
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            Press(120, 50, button);
            Release(120, 50, button);
            QCOMPARE(PlacedColumn(), 0);
        }
    }

    // Undo while the list covers the table takes the card back, but paints nothing
    // through the list; the table shows the change once the list is gone.
    void undoUnderTheTopFiveShowsWhenTheListCloses()
    {
        StartRelaxedRound(false);
        const int card = Form().CurrentCard();
        Press(120, 50);
        Release(120, 50);
        QCOMPARE(PlacedColumn(), 2);
        Form().MenuGameHighScoresItemClick();
        const QImage listShown = table_->Surface().copy();
        vantrel::testing::MenuItem(Form(), "MenuGameUndoItem")->trigger();
        QCOMPARE(Form().CurrentCard(), card);
        QCOMPARE(PlacedColumn(), 0);
        QCOMPARE(table_->Surface(), listShown);
        Press(300, 300);
        Release(300, 300);                                                   // closes the list
        QCOMPARE(table_->Pixel(91, 50), vantrel::ColourOf(vantrel::White));  // the open slot again
        QCOMPARE(table_->Pixel(100, 50), table_->Felt());
    }

    // The keys play as the left button does at the matching place of the table.
    void keysPlayAsTheButtonDoes()
    {
        IdleTable();
        Form().RegularRules = vantrel::False;
        Key(Qt::Key_Space);  // a press on the deck pile
        QCOMPARE(Form().RoundNo, 1);
        QCOMPARE(Form().Placing, vantrel::True);
        Key(Qt::Key_3, Qt::ControlModifier);  // the desktop's, not the game's
        QCOMPARE(PlacedColumn(), 0);
        Key(Qt::Key_3);  // a release over hand 3
        QCOMPARE(PlacedColumn(), 4);
        const int card = Form().CurrentCard();
        Key(Qt::Key_Return);  // a press on the deck while placing: nothing
        QCOMPARE(Form().CurrentCard(), card);
        QCOMPARE(Form().RoundNo, 1);
        // Held down, a key plays once.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
        QApplication::sendEvent(&table_->Box(), &repeat);
        QCOMPARE(Form().Board(2, 1), int(vantrel::OpenSlot));
        // Any of them takes the Top 5 list away and places nothing.
        Form().MenuGameHighScoresItemClick();
        Key(Qt::Key_1);
        QCOMPARE(Form().HighScoreView, vantrel::False);
        QCOMPARE(Form().Board(2, 1), int(vantrel::OpenSlot));
        QCOMPARE(table_->Pixel(91, 50), vantrel::ColourOf(vantrel::White));
        Key(Qt::Key_1);
        QCOMPARE(Form().Board(2, 1), card);
    }

    // What a screen reader is told after the keys, read where it reads it: the last move
    // on the table's status bar. Tokens: digits and keys by name, "top" for the Top 5
    // list from the menu.
    void keysAreToldAsAScreenReaderHearsThem_data()
    {
        QTest::addColumn<bool>("relaxed");
        QTest::addColumn<int>("round");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("told");
        const QString placed = QStringLiteral("[A-Z][a-z]+ of [A-Z][a-z]+ to Hand 1\\. ");
        QTest::newRow("a full hand") << true << 1 << "1 1 1 1 1"
                                     << "Hand 1 is full\\.";
        QTest::newRow("a fourth card still goes")
            << true << 1 << "1 1 1 1" << placed + "Next: .*, for Hand 2, 3 or 4\\.";
        QTest::newRow("the row first") << false << 1 << "1 1"
                                       << "Hand 1 already has its card in row 2: .*";
        QTest::newRow("the fifth count ends the game")
            << true << 5 << "1 1 1 1 2 2 2 2 3 3 3 3 4 4 4 4"
            << ".* Round 5 total \\d+\\. Game over: total \\d+\\.( WIN!)?";
        QTest::newRow("Escape closes the list") << true << 1 << "top Escape"
                                                << "Top 5 list closed\\.";
        QTest::newRow("back to the first place and no further")
            << true << 1 << "Right Tab Left Up Left"
            << "Deck is the first place\\.";
        QTest::newRow("on to the last place and no further") << true << 1 << "End Down"
                                                             << "Scores is the last place\\.";
    }
    void keysAreToldAsAScreenReaderHearsThem()
    {
        QFETCH(bool, relaxed);
        QFETCH(int, round);
        QFETCH(QString, keys);
        QFETCH(QString, told);
        table_->Box().access().SetListening([] { return true; });
        IdleTable();
        Form().RegularRules = relaxed ? vantrel::False : vantrel::True;
        Key(Qt::Key_Space);
        Form().RoundNo = round;
        const QMap<QString, int> named{{"Escape", Qt::Key_Escape}, {"Left", Qt::Key_Left},
                                       {"Right", Qt::Key_Right},   {"Tab", Qt::Key_Tab},
                                       {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
                                       {"End", Qt::Key_End}};
        for (const QString& key : keys.split(QLatin1Char(' '))) {
            if (key == QLatin1String("top")) {
                vantrel::testing::MenuItem(Form(), "MenuGameHighScoresItem")->trigger();
            } else {
                Key(named.value(key, Qt::Key_0 + key.toInt()));
            }
        }
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&table_->Box());
        const QString heard =
            table->child(table->childCount() - 1)->child(0)->text(QAccessible::Name);
        QVERIFY2(
            QRegularExpression(QRegularExpression::anchoredPattern(told)).match(heard).hasMatch(),
            qPrintable(heard));
    }

    void releaseTakesTheTopFiveAwayWithoutPlacing()
    {
        StartRelaxedRound(false);
        Form().MenuGameHighScoresItemClick();
        QCOMPARE(table_->Pixel(64, 170), vantrel::ColourOf(vantrel::Yellow));
        const int current = Form().CurrentCard();
        Press(40, 40);  // on the deck: nothing while the list is shown
        QCOMPARE(Form().RoundNo, 1);
        Release(120, 50);
        QCOMPARE(Form().HighScoreView, vantrel::False);
        QCOMPARE(PlacedColumn(), 0);
        QCOMPARE(Form().CurrentCard(), current);
        // The table is back where the list stood: the open slot of hand 2.
        QCOMPARE(table_->Pixel(91, 50), vantrel::ColourOf(vantrel::White));
        QCOMPARE(table_->Pixel(100, 50), table_->Felt());
        // The next click places as usual.
        Press(120, 50);
        Release(120, 50);
        QCOMPARE(PlacedColumn(), 2);
    }

    void aDoubleClickIsTwoPressesAndTwoReleases()
    {
        QList<QPoint> downs;
        QList<QPoint> ups;
        table_->Box().SetMouseHandlers(
            [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                downs.append({x, y});
            },
            [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                ups.append({x, y});
            });
        QTest::mouseDClick(&table_->Box(), Qt::LeftButton, {}, QPoint(33, 44));
        QCOMPARE(downs, (QList<QPoint>{{33, 44}, {33, 44}}));
        QCOMPARE(ups, (QList<QPoint>{{33, 44}, {33, 44}}));
    }
};

QTEST_MAIN(MouseInputTest)
#include "test_mouse_input.moc"
