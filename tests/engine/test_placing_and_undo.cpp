// Placing cards on a game without a window: under the regular and the relaxed rules,
// outside the hands, taken back with Undo, and the rules items that choose the rules.
#include <QtTest>

#include "GameSteps.h"
#include "RecordingGame.h"

using namespace vantrel;
using vantrel::testing::Cell;
using vantrel::testing::RecordingGame;
using vantrel::testing::StartGame;

class PlacingAndUndoTest : public QObject {
    Q_OBJECT

private slots:
    void anyNonZeroRulesByteChecksExactlyOneRulesItem()
    {
        for (int stored : {0, 1, 2, 255}) {
            RecordingGame game;
            game.storedPlayRegGame = stored;
            game.ResetGameState();
            QCOMPARE(game.regularChecked, stored != 0);
            QCOMPARE(game.relaxedChecked, stored == 0);
            QCOMPARE(game.RegularRules != 0, stored != 0);
        }
    }

    void regularRulesFillTheHandsRowByRow()
    {
        RecordingGame game;
        StartGame(game, true);
        game.PlaceCard(3);
        QCOMPARE(game.Board(3, 2), 2);
        QVERIFY(game.undoEnabled);
        // A second row-2 card for the same hand waits for the other three.
        const int current = game.CurrentCard();
        game.PlaceCard(3);
        QCOMPARE(game.beeps, 1);
        QCOMPARE(game.CurrentCard(), current);
        QCOMPARE(game.Board(3, 3), int(Nothing));
        QCOMPARE(game.PlacedCount, 5);
        game.PlaceCard(2);
        game.PlaceCard(4);
        game.PlaceCard(5);
        QCOMPARE(game.PlacedCount, 8);
        game.PlaceCard(3);
        QCOMPARE(game.Board(2, 2), 30);
        QCOMPARE(game.Board(3, 3), 48);
        QCOMPARE(game.beeps, 1);
    }

    void relaxedRulesTakeAnyOrderButNoFifthCard()
    {
        RecordingGame game;
        StartGame(game, false);
        QCOMPARE(game.PlacedCount, 0);
        QCOMPARE(game.Board(2, 1), int(OpenSlot));
        QCOMPARE(game.CurrentCard(), 31);
        for (int i = 0; i < 4; ++i) {
            game.PlaceCard(4);
        }
        QCOMPARE(game.Board(4, 4), 16);
        const int current = game.CurrentCard();
        const int deckPos = game.DeckPos;
        game.calls.clear();
        game.PlaceCard(4);
        QCOMPARE(game.calls, QStringList{QStringLiteral("Beep")});
        QCOMPARE(game.CurrentCard(), current);
        QCOMPARE(game.DeckPos, deckPos);
        QCOMPARE(game.PlacedCount, 4);
    }

    void placingOutsideTheHandsDoesNothingAndDoesNotBeep()
    {
        RecordingGame game;
        StartGame(game, false);
        for (int column : {-3, 0, 1, 6, 7, 100}) {
            game.PlaceCard(column);
        }
        QVERIFY(game.calls.isEmpty());
        QCOMPARE(game.PlacedCount, 0);
    }

    void undoInRowOneRestoresTheOpenSlot()
    {
        RecordingGame game;
        StartGame(game, false);
        game.PlaceCard(3);
        QCOMPARE(game.DeckPos, 3);
        game.calls.clear();
        game.MenuGameUndoItemClick();
        QCOMPARE(game.calls, (QStringList{Cell(31, 1, 4), Cell(53, 3, 1)}));
        QCOMPARE(game.Board(3, 1), int(OpenSlot));
        QCOMPARE(game.CurrentCard(), 31);
        QCOMPARE(game.PlacedCount, 0);
        QCOMPARE(game.DeckPos, 2);
        QVERIFY(!game.undoEnabled);
        // Only once.
        game.calls.clear();
        game.MenuGameUndoItemClick();
        QVERIFY(game.calls.isEmpty());
        QCOMPARE(game.DeckPos, 2);
    }

    void undoInRowTwoErasesAndRepaintsTheCardAbove()
    {
        RecordingGame game;
        StartGame(game, false);
        game.PlaceCard(3);
        game.PlaceCard(3);
        game.calls.clear();
        game.MenuGameUndoItemClick();
        QCOMPARE(game.calls, (QStringList{Cell(6, 1, 4), Cell(90, 3, 2), Cell(31, 3, 1)}));
        QCOMPARE(game.Board(3, 2), int(Nothing));
        QCOMPARE(game.CurrentCard(), 6);
        QCOMPARE(game.PlacedCount, 1);
        QCOMPARE(game.DeckPos, 3);
        // The same card is offered again and goes where the player now wants it.
        game.PlaceCard(5);
        QCOMPARE(game.Board(5, 1), 6);
        QCOMPARE(game.CurrentCard(), 51);
    }

    void undoUnderTheTopFiveChangesTheGameAndPaintsNothing()
    {
        RecordingGame game;
        StartGame(game, false);
        game.PlaceCard(3);
        game.PlaceCard(3);
        game.HighScoreView = True;
        game.calls.clear();
        game.MenuGameUndoItemClick();
        QCOMPARE(game.calls, QStringList{});
        QCOMPARE(game.Board(3, 2), int(Nothing));
        QCOMPARE(game.CurrentCard(), 6);
        QCOMPARE(game.PlacedCount, 1);
    }

    void undoRightAfterTheRegularDealDoesNothing()
    {
        RecordingGame game;
        StartGame(game, true);
        const int deckPos = game.DeckPos;
        game.MenuGameUndoItemClick();
        QVERIFY(game.calls.isEmpty());
        QCOMPARE(game.DeckPos, deckPos);
        QCOMPARE(game.Board(2, 1), 31);
    }

    void rulesItemsAlwaysStartANewGame()
    {
        RecordingGame game;
        StartGame(game, true);
        game.PlaceCard(2);
        game.MenuOptionsPlayRegGameItemClick();
        QVERIFY(game.regularChecked && !game.relaxedChecked);
        QCOMPARE(game.RoundNo, 1);
        QCOMPARE(game.PlacedCount, 4);

        game.MenuOptionsRelaxedRulesItemClick();
        QVERIFY(!game.regularChecked && game.relaxedChecked);
        QCOMPARE(game.RegularRules, 0);
        QCOMPARE(game.PlacedCount, 0);
        QCOMPARE(game.Board(2, 1), int(OpenSlot));

        game.PlaceCard(2);
        game.MenuOptionsRelaxedRulesItemClick();
        QCOMPARE(game.PlacedCount, 0);
        QCOMPARE(game.RegularRules, 0);

        game.MenuOptionsPlayRegGameItemClick();
        QCOMPARE(game.RegularRules, True);
        QCOMPARE(game.PlacedCount, 4);
    }
};

QTEST_APPLESS_MAIN(PlacingAndUndoTest)
#include "test_placing_and_undo.moc"
