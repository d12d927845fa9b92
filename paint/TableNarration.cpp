#include "paint/TableNarration.h"

#include <QStringList>

#include "paint/TablePlaces.h"

namespace vantrel {

namespace {

bool IsCard(int cellCode) { return cellCode >= 1 && cellCode <= LastCardCode; }

struct HandCell {
    int column = 0;
    int row = 0;
};

// The hand cell that went from free to a card (filled) or from a card to free.
HandCell ChangedHandCell(const TableMoment& before, const VantrelGame& after, bool filled)
{
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        for (int row = 1; row <= CardRows; ++row) {
            const bool wasCard = IsCard(before.board(column, row));
            const bool isCard = IsCard(after.Board(column, row));
            if (filled ? (!wasCard && isCard) : (wasCard && !isCard)) {
                return {column, row};
            }
        }
    }
    return {};
}

// The card to place now, " Next: Eight of Hearts", and where it may go when that is
// not any hand.
QString CardToPlace(const VantrelGame& game, const QString& label)
{
    return QLatin1Char(' ') + label + CellInWords(game.CurrentCard()) +
           (EveryHandTakesCard(game) ? QString() : QStringLiteral(", ") + HandsTakingCard(game)) +
           QLatin1Char('.');
}

QString Placement(const TableMoment& before, const VantrelGame& after)
{
    const HandCell placed = ChangedHandCell(before, after, true);
    if (placed.column == 0) {
        return {};
    }
    return CellInWords(after.Board(placed.column, placed.row)) + QStringLiteral(" to ") +
           HandName(placed.column) + QLatin1Char('.');
}

QString RoundStart(const TableMoment& before, const VantrelGame& after)
{
    QString text =
        after.RoundNo == 1 && before.roundNo != 0 ? QStringLiteral("New game. ") : QString();
    text += QStringLiteral("Round %1.").arg(after.RoundNo);
    QStringList dealt;
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        if (IsCard(after.Board(column, 1))) {
            dealt << CellInWords(after.Board(column, 1)) + QStringLiteral(" to ") +
                         HandName(column);
        }
    }
    if (!dealt.isEmpty()) {
        text += QStringLiteral(" Dealt: ") + dealt.join(QStringLiteral(", ")) + QLatin1Char('.');
    }
    return text + QStringLiteral(" Card to place: ") + CellInWords(after.CurrentCard()) +
           QLatin1Char('.');
}

// The count in the order the table shows it: the cut card and his heels, each hand
// and the crib, the round's total and the game's; after the fifth round the end.
QString RoundCount(const VantrelGame& game)
{
    QString text = QStringLiteral("Cut card: ") + CellInWords(game.CurrentCard());
    const int heels = game.ScoreTable(DeckColumn, ShownScoreColumn);
    if (heels > 0 && heels < NoScore) {
        text += QStringLiteral(", his heels %1").arg(heels);
    }
    QStringList columns;
    for (int column = FirstHandColumn; column <= CribColumn; ++column) {
        columns << (column == CribColumn ? QStringLiteral("Crib") : HandName(column)) +
                       QStringLiteral(" score %1").arg(game.ScoreTable(column, ShownScoreColumn));
    }
    text += QStringLiteral(". ") + columns.join(QStringLiteral(", ")) +
            QStringLiteral(". Round %1 total %2")
                .arg(game.RoundNo)
                .arg(game.ScoreTable(game.RoundNo, RoundScoreColumn));
    if (game.RoundNo < Rounds) {
        return text + QStringLiteral(", game total %1.").arg(game.GameTotal());
    }
    text += QStringLiteral(". Game over: total %1.").arg(game.GameTotal());
    return game.WinEarned() ? text + QStringLiteral(" WIN!") : text;
}

}  // namespace

TableMoment MomentOf(const VantrelGame& game)
{
    return {game.Board,
            game.ScoreTable,
            game.Deck,
            game.RoundNo,
            game.PlacedCount,
            game.Placing != False,
            game.HighScoreView != False};
}

QString NarrateAction(const TableMoment& before, const VantrelGame& after, const TopFive& top)
{
    const bool viewing = after.HighScoreView != False;
    if (viewing && !before.highScoreView) {
        return TopFiveInWords(top);
    }
    if (after.Placing != False && (after.Deck != before.deck || !before.placing)) {
        return RoundStart(before, after);
    }
    if (before.placing && after.Placing == False) {
        return (Placement(before, after) + QLatin1Char(' ') + RoundCount(after)).trimmed();
    }
    if (before.placing && after.PlacedCount == before.placedCount + 1) {
        return Placement(before, after) + CardToPlace(after, QStringLiteral("Next: "));
    }
    if (before.placing && after.PlacedCount == before.placedCount - 1) {
        const HandCell taken = ChangedHandCell(before, after, false);
        return QStringLiteral("Undo: ") + CellInWords(before.board(taken.column, taken.row)) +
               QStringLiteral(" taken back from ") + HandName(taken.column) + QLatin1Char('.') +
               CardToPlace(after, QStringLiteral("To place again: "));
    }
    if (before.highScoreView && !viewing) {
        return QStringLiteral("Top 5 list closed.");
    }
    return {};
}

QString GameStandingInWords(const VantrelGame& game)
{
    if (game.RoundNo == 0) {
        return QStringLiteral("No game yet. Space on the deck starts one.");
    }
    QString text;
    if (game.Placing != False) {
        int left = 0;
        for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
            for (int row = 1; row <= CardRows; ++row) {
                left += IsCard(game.Board(column, row)) ? 0 : 1;
            }
        }
        text = QStringLiteral(
                   "Round %1 of %2. Card to place: %3, %4. %5 cards left to place. "
                   "Game total %6.")
                   .arg(game.RoundNo)
                   .arg(Rounds)
                   .arg(CellInWords(game.CurrentCard()), HandsTakingCard(game))
                   .arg(left)
                   .arg(game.GameTotal());
    } else if (game.RoundNo < Rounds) {
        text = QStringLiteral(
                   "Round %1 of %2 counted: %3. Game total %4. Space on the deck for the "
                   "next round.")
                   .arg(game.RoundNo)
                   .arg(Rounds)
                   .arg(game.ScoreTable(game.RoundNo, RoundScoreColumn))
                   .arg(game.GameTotal());
    } else {
        text = QStringLiteral("Game over: total %1%2. Space on the deck starts a new game.")
                   .arg(game.GameTotal())
                   .arg(game.WinEarned() ? QStringLiteral(", WIN") : QString());
    }
    if (game.HighScoreView != False) {
        text += QStringLiteral(" The Top 5 list covers the table; Escape closes it.");
    }
    return text;
}

QString RefusalInWords(const VantrelGame& game, int column)
{
    int cards = 0;
    while (cards < CardRows && IsCard(game.Board(column, cards + 1))) {
        ++cards;
    }
    if (cards == CardRows) {
        return HandName(column) + QStringLiteral(" is full.");
    }
    return HandName(column) +
           QStringLiteral(
               " already has its card in row %1: under the regular rules every hand "
               "gets a card in that row first.")
               .arg(cards);
}

}  // namespace vantrel
