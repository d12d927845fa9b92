// Plays, without a window, the game the end-to-end test plays by mouse: generator
// seed from the command line, regular rules, each round started by the deck pile and
// its hands filled row by row in the column order 2, 3, 4, 5. Prints the game total,
// which the test then looks for in the stored top-five list.
#include <cstdio>
#include <cstdlib>

#include "engine/Seed.h"
#include "engine/VantrelGame.h"

namespace {

// The window's side of the game, reduced to what the rules read: regular rules
// stored, nothing painted, no beep expected.
class QuietGame : public vantrel::VantrelGame {
public:
    int beeps = 0;
    int highScoreChecks = 0;

protected:
    void DrawCell(int, int, int) override {}
    void DrawScorePanel() override {}
    void PaintBoxPaint() override {}
    void InvalidatePaintBox() override {}
    void InvalidateWindow() override {}
    void DrawWinBanner() override { FinalTotal = GameTotal(); }
    void CheckHighScore() override { ++highScoreChecks; }
    void Beep() override { ++beeps; }
    void SetDefaultCursor() override {}
    void SetUndoEnabled(bool) override {}
    bool RegularRulesChecked() const override { return true; }
    bool RelaxedRulesChecked() const override { return false; }
    void SetRulesCheckMarks(bool, bool) override {}
    int StoredPlayRegGame() const override { return 1; }
    void ApplyStoredOptions() override {}
    void LoadRecord() override {}
};

// The three rows a player fills after the deal, left to right.
void PlaceRowByRow(QuietGame& game)
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
    vantrel::ProgramRandom().Seed(*seed);
    QuietGame game;
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
