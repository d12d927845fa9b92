// The count at the end of a round: every hand and the crib with the cut card.
#include "engine/HandCount.h"
#include "engine/VantrelGame.h"

namespace vantrel {

void VantrelGame::CountColumns()
{
    const int cut = CurrentCard();
    for (int column = FirstHandColumn; column <= CribColumn; ++column) {
        const std::array<int, 4> cards{Board(column, 1), Board(column, 2), Board(column, 3),
                                       Board(column, 4)};
        const ColumnKind kind = column == CribColumn ? ColumnKind::Crib : ColumnKind::Hand;
        ScoreTable(column, ShownScoreColumn) = CountColumn(cards, cut, kind).Total();
    }
}

void VantrelGame::ScoreRound()
{
    for (int column = 1; column <= CribColumn; ++column) {
        ScoreTable(column, ShownScoreColumn) = 0;
    }
    ScoreTable(RoundNo, RoundScoreColumn) = 0;
    Board(DeckColumn, 1) = NextPrompt;
    ScoreTable(DeckColumn, ShownScoreColumn) = HisHeels(CurrentCard());
    CountColumns();
    for (int column = 1; column <= CribColumn; ++column) {
        ScoreTable(RoundNo, RoundScoreColumn) += ScoreTable(column, ShownScoreColumn);
    }
    GameTotal() += ScoreTable(RoundNo, RoundScoreColumn);
    DrawScorePanel();
    DrawCell(Board(DeckColumn, 1), DeckColumn, 1);
    if (RoundNo == Rounds) {
        // The high-score check repaints the table; the banner is drawn again over it.
        ShowWinBanner();
        CheckHighScore();
        ShowWinBanner();
    }
}

// The WIN test at the end of a game takes the total it judges as FinalTotal.
void VantrelGame::ShowWinBanner()
{
    FinalTotal = GameTotal();
    DrawWinBanner();
}

}  // namespace vantrel
