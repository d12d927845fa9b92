// Plays, without a window, the game the end-to-end test plays by mouse: generator
// seed from the command line, regular rules, each round started by the deck pile and
// its hands filled row by row in the column order 2, 3, 4, 5. Prints the game total,
// which the test then looks for in the stored top-five list.
#include <cstdio>
#include <cstdlib>

#include "RecordingGame.h"
#include "engine/Seed.h"

namespace {

using vantrel::testing::RecordingGame;

// The three rows a player fills after the deal, left to right.
void PlaceRowByRow(RecordingGame& game)
{
    for (int row = 2; row <= vantrel::CardRows; ++row) {
        for (int column = vantrel::FirstHandColumn; column <= vantrel::LastHandColumn; ++column) {
            game.PlaceCard(column);
        }
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto seed = argc == 2 ? vantrel::ParseSeed(argv[1]) : std::nullopt;
    if (!seed) {
        std::fprintf(stderr, "usage: expected_game SEED (a decimal 0..4294967295)\n");
        return 2;
    }
    // Seeded as the window seeds its own game at start-up.
    RecordingGame game;
    game.Random().Seed(*seed);
    game.ResetGameState();
    game.NewGame();  // the first press on the deck pile
    PlaceRowByRow(game);
    for (int round = 2; round <= vantrel::Rounds; ++round) {
        game.StartNextRound();  // a press on the next-round prompt
        PlaceRowByRow(game);
    }
    // The mouse would have seen the same refusals; a beep means the column order
    // no longer matches the rules and the test's game would differ from this one.
    if (game.beeps != 0 || game.highScoreChecks != 1 || game.RoundNo != vantrel::Rounds ||
        game.Placing != vantrel::False) {
        std::fprintf(stderr, "expected_game: the game did not run to its end cleanly\n");
        return 1;
    }
    std::printf("%d\n", game.GameTotal());
    return 0;
}
