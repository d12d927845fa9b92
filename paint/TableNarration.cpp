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

QString NextCard(const VantrelGame& game)
{
    return QStringLiteral(" Next: ") + CellInWords(game.CurrentCard());
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

QString RoundCount(const VantrelGame& game)
{
    QStringList parts;
    parts << QStringLiteral("The Cut: ") + CellInWords(game.CurrentCard());
    if (game.ScoreTable(DeckColumn, ShownScoreColumn) > 0 &&
        game.ScoreTable(DeckColumn, ShownScoreColumn) < NoScore) {
        parts << QStringLiteral("his heels %1").arg(game.ScoreTable(DeckColumn, ShownScoreColumn));
    }
    for (int column = FirstHandColumn; column <= CribColumn; ++column) {
        parts << (column == CribColumn ? QStringLiteral("Crib") : HandName(column)) +
                     QStringLiteral(" score %1").arg(game.ScoreTable(column, ShownScoreColumn));
    }
    QString text = parts.join(QStringLiteral(", ")) +
                   QStringLiteral(". Round %1 total %2.")
                       .arg(game.RoundNo)
                       .arg(game.ScoreTable(game.RoundNo, RoundScoreColumn));
    if (game.RoundNo >= Rounds) {
        text += QStringLiteral(" Game over: total %1.").arg(game.GameTotal());
        if (game.WinEarned()) {
            text += QStringLiteral(" WIN!");
        }
    }
    return text;
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
        return Placement(before, after) + NextCard(after);
    }
    if (before.placing && after.PlacedCount == before.placedCount - 1) {
        const HandCell taken = ChangedHandCell(before, after, false);
        return QStringLiteral("Undo: ") + CellInWords(before.board(taken.column, taken.row)) +
               QStringLiteral(" taken back from ") + HandName(taken.column) + QLatin1Char('.') +
               NextCard(after);
    }
    if (before.highScoreView && !viewing) {
        return QStringLiteral("Top 5 list closed.");
    }
    return {};
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
