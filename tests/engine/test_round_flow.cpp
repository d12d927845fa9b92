// Rounds, placement, Undo, the rules items and the count, on a game without a
// window. The generator starts at state 0, whose first deck is known:
// 31, 6, 51, 16, 2, 30, 36, 45, 48, 41, 46, 38, 42, 20, 3, 5, 49, 26, 23, 17, 21, 52, ...
#include <QtTest>

#include "BoardText.h"
#include "RecordingGame.h"

using namespace vantrel;
using vantrel::testing::BoardText;
using vantrel::testing::RecordingGame;

namespace {

QString Cell(int code, int column, int row)
{
    return QStringLiteral("DrawCell(%1,%2,%3)").arg(code).arg(column).arg(row);
}

void StartGame(RecordingGame& game, bool regular)
{
    game.storedPlayRegGame = regular ? 1 : 0;
    game.ResetGameState();
    game.NewGame();
    game.calls.clear();
}

// Places cards under the relaxed rules until the round is over, one hand at a time.
void FillHandsInColumnOrder(RecordingGame& game)
{
    for (int column = 2; column <= 5; ++column) {
        while (game.Placing != 0 && game.Board(column, 4) > 52) {
            game.PlaceCard(column);
        }
    }
}

// Fills the hands row by row, as the regular rules ask.
void FillHandsRowByRow(RecordingGame& game)
{
    while (game.Placing != 0) {
        for (int column = 2; column <= 5 && game.Placing != 0; ++column) {
            game.PlaceCard(column);
        }
    }
}

}  // namespace

class RoundFlowTest : public QObject {
    Q_OBJECT

private slots:
    void resetLeavesAnEmptyTableAndLoadsTheRecordLast()
    {
        RecordingGame game;
        game.ResetGameState();
        QCOMPARE(game.Placing, 0);
        QCOMPARE(game.RoundNo, 0);
        QCOMPARE(game.RegularRules, True);
        QCOMPARE(game.Board(1, 1), int(FaceDown));
        QCOMPARE(game.Board(2, 1), int(Nothing));
        QCOMPARE(game.ScoreTable(3, 3), NoScore);
        QCOMPARE(game.GameTotal(), 0);
        QCOMPARE(game.calls.last(), QStringLiteral("LoadRecord"));
        QVERIFY(!game.calls.contains(QStringLiteral("DrawScorePanel")));
    }

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

    void newRoundUnderRegularRulesDealsTheFirstRow()
    {
        RecordingGame game;
        game.ResetGameState();
        game.calls.clear();
        game.NewGame();
        QCOMPARE(game.RoundNo, 1);
        QCOMPARE(game.Placing, True);
        QCOMPARE(game.PlacedCount, 4);
        QCOMPARE(game.DeckPos, 6);
        // The deck pile, the first row dealt, the crib face down, the current card.
        QCOMPARE(BoardText(game), QStringLiteral("  ##  6D  7H  KS  4C  ##\n"
                                                 "   .   .   .   .   .  ##\n"
                                                 "   .   .   .   .   .  ##\n"
                                                 "  3H   .   .   .   .  ##\n"
                                                 "   .   .   .   .   .   .\n"));
        QVERIFY(!game.undoEnabled);
        QCOMPARE(game.LastMove.column, 0);
        const QStringList expected = {QStringLiteral("DrawScorePanel"),
                                      QStringLiteral("DrawScorePanel"),
                                      Cell(31, 1, 4),
                                      Cell(31, 2, 1),
                                      Cell(6, 1, 4),
                                      Cell(6, 3, 1),
                                      Cell(51, 1, 4),
                                      Cell(51, 4, 1),
                                      Cell(16, 1, 4),
                                      Cell(16, 5, 1),
                                      Cell(2, 1, 4),
                                      QStringLiteral("InvalidateWindow")};
        QCOMPARE(game.calls, expected);
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

    void theSixteenthPlacementEndsTheRound()
    {
        RecordingGame game;
        StartGame(game, false);
        FillHandsInColumnOrder(game);
        QCOMPARE(game.Placing, 0);
        QCOMPARE(game.PlacedCount, 16);
        QVERIFY(!game.undoEnabled);
        QCOMPARE(game.DeckPos, 23);
        // Deck positions 18..21 are the crib, face up, and 22 the cut; the prompt
        // stands on the deck pile.
        QCOMPARE(BoardText(game), QStringLiteral("  >>  6D  3H 10S  4S  AC\n"
                                                 "   .  7H  5D  3S  8C  JC\n"
                                                 "   .  KS  JD  8S  4H  5C\n"
                                                 "  AS  4C  7S  KD  6H  9C\n"
                                                 "   .   .   .   .   .   .\n"));
        // The spare card is shown, then the crib, then the cut, then the count.
        const QStringList tail = game.calls.mid(game.calls.size() - 9);
        const QStringList expected = {Cell(49, 1, 4),
                                      Cell(26, 6, 1),
                                      Cell(23, 6, 2),
                                      Cell(17, 6, 3),
                                      Cell(21, 6, 4),
                                      Cell(52, 1, 4),
                                      QStringLiteral("DrawScorePanel"),
                                      Cell(77, 1, 1)};
        QCOMPARE(tail.mid(1), expected);
        for (int column = 1; column <= 6; ++column) {
            QVERIFY(game.ScoreTable(column, 3) < NoScore);
        }
        QCOMPARE(game.highScoreChecks, 0);
        // A press on the prompt starts the next round, and the scores go blank.
        game.calls.clear();
        game.StartNextRound();
        QCOMPARE(game.RoundNo, 2);
        QCOMPARE(game.calls.first(), QStringLiteral("RepaintTable"));
        QCOMPARE(game.ScoreTable(2, 3), NoScore);
        QVERIFY(game.ScoreTable(1, 1) == game.GameTotal());
    }

    void fiveRoundsMakeAGameAndEndWithTheHighScoreCheck()
    {
        RecordingGame game;
        StartGame(game, true);
        int sum = 0;
        for (int round = 1; round <= 5; ++round) {
            if (round > 1) {
                game.StartNextRound();
            }
            QCOMPARE(game.RoundNo, round);
            game.calls.clear();
            FillHandsRowByRow(game);
            QCOMPARE(game.beeps, 0);
            sum += game.ScoreTable(round, 1);
            QCOMPARE(game.GameTotal(), sum);
            int columns = 0;
            for (int column = 1; column <= 6; ++column) {
                columns += game.ScoreTable(column, 3);
            }
            QCOMPARE(game.ScoreTable(round, 1), columns);
        }
        QCOMPARE(game.highScoreChecks, 1);
        // The WIN test took the total; the hooks themselves only draw.
        QCOMPARE(game.FinalTotal, sum);
        const QStringList tail = game.calls.mid(game.calls.size() - 3);
        QCOMPARE(tail,
                 (QStringList{QStringLiteral("DrawWinBanner"), QStringLiteral("CheckHighScore"),
                              QStringLiteral("DrawWinBanner")}));
    }

    void viewHighScoresReloadsTheRecordAndCoversTheTable()
    {
        RecordingGame game;
        StartGame(game, false);
        game.MenuGameHighScoresItemClick();
        QCOMPARE(game.HighScoreView, True);
        QCOMPARE(game.calls,
                 (QStringList{QStringLiteral("LoadRecord"), QStringLiteral("DrawHighScores")}));
    }

    void newGameInMidRoundDropsTheScoresAndReshuffles()
    {
        RecordingGame game;
        StartGame(game, false);
        FillHandsInColumnOrder(game);
        QVERIFY(game.GameTotal() > 0);
        game.StartNextRound();
        game.PlaceCard(2);
        const quint32 stateBefore = game.random.State();
        game.HighScoreView = True;
        game.NewGame();
        QCOMPARE(game.RoundNo, 1);
        QCOMPARE(game.GameTotal(), 0);
        QCOMPARE(game.ScoreTable(1, 1), 0);
        QCOMPARE(game.FinalTotal, 0);
        QVERIFY(game.random.State() != stateBefore);
        QCOMPARE(game.HighScoreView, True);  // the Top 5 list stays until a release
        QCOMPARE(game.PlacedCount, 0);
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

    void theWholeRoundExampleScoresFortySeven()
    {
        RecordingGame game;
        game.ResetGameState();
        game.RoundNo = 1;
        const int columns[5][4] = {
            {4, 30, 50, 42}, {14, 28, 3, 44}, {10, 19, 33, 47}, {13, 1, 2, 12}, {22, 35, 25, 24}};
        for (int c = 0; c < 5; ++c) {
            for (int r = 0; r < 4; ++r) {
                game.Board(c + 2, r + 1) = columns[c][r];
            }
        }
        game.CurrentCard() = 23;  // the jack of clubs: his heels
        game.ScoreRound();
        const int expected[6] = {2, 10, 7, 7, 11, 10};
        for (int column = 1; column <= 6; ++column) {
            QCOMPARE(game.ScoreTable(column, 3), expected[column - 1]);
        }
        QCOMPARE(game.ScoreTable(1, 1), 47);
        QCOMPARE(game.GameTotal(), 47);
        QCOMPARE(game.Board(1, 1), int(NextPrompt));
        QCOMPARE(game.calls.mid(game.calls.size() - 2),
                 (QStringList{QStringLiteral("DrawScorePanel"), Cell(77, 1, 1)}));
    }

    void aScorelessRoundStillShowsTheZeroesAndThePrompt()
    {
        RecordingGame game;
        game.ResetGameState();
        game.RoundNo = 2;
        game.GameTotal() = 30;
        // Two of hearts, four of clubs, seven of spades, ten of clubs and a king of
        // diamonds cut: no fifteen, pair, run, flush or jack.
        for (int column = 2; column <= 6; ++column) {
            game.Board(column, 1) = 1;
            game.Board(column, 2) = 16;
            game.Board(column, 3) = 45;
            game.Board(column, 4) = 22;
        }
        game.CurrentCard() = 38;
        game.ScoreRound();
        for (int column = 1; column <= 6; ++column) {
            QCOMPARE(game.ScoreTable(column, 3), 0);
        }
        QCOMPARE(game.ScoreTable(2, 1), 0);
        QCOMPARE(game.GameTotal(), 30);
        QCOMPARE(game.Board(1, 1), int(NextPrompt));
        QVERIFY(game.calls.contains(Cell(77, 1, 1)));
    }
};

QTEST_APPLESS_MAIN(RoundFlowTest)
#include "test_round_flow.moc"
