// Rounds and games on a game without a window: the start, the deal, the end of a round
// and of a game, the count of a round, a new game and the Top 5 list over the table.
#include <QtTest>

#include "BoardText.h"
#include "GameSteps.h"
#include "RecordingGame.h"

using namespace vantrel;
using vantrel::testing::BoardText;
using vantrel::testing::Cell;
using vantrel::testing::FillHandsInColumnOrder;
using vantrel::testing::FillHandsRowByRow;
using vantrel::testing::RecordingGame;
using vantrel::testing::RoundDidNotEnd;
using vantrel::testing::StartGame;

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

    void theSixteenthPlacementEndsTheRound()
    {
        RecordingGame game;
        StartGame(game, false);
        QVERIFY2(FillHandsInColumnOrder(game), RoundDidNotEnd);
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
            QVERIFY2(FillHandsRowByRow(game), RoundDidNotEnd);
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
        QVERIFY2(FillHandsInColumnOrder(game), RoundDidNotEnd);
        QVERIFY(game.GameTotal() > 0);
        game.StartNextRound();
        game.PlaceCard(2);
        const quint32 stateBefore = game.Random().State();
        game.HighScoreView = True;
        game.NewGame();
        QCOMPARE(game.RoundNo, 1);
        QCOMPARE(game.GameTotal(), 0);
        QCOMPARE(game.ScoreTable(1, 1), 0);
        QCOMPARE(game.FinalTotal, 0);
        QVERIFY(game.Random().State() != stateBefore);
        QCOMPARE(game.HighScoreView, True);  // the Top 5 list stays until a release
        QCOMPARE(game.PlacedCount, 0);
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
