#include "paint/TableNarration.h"

#include <QStringList>

#include "paint/Speech.h"
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

// The card to place now, said by form (" Next: Eight of Hearts."), with where it may
// go when that is not any hand.
QString CardToPlace(const VantrelGame& game, const QString& form)
{
    const QString card = CellInWords(game.CurrentCard());
    return QLatin1Char(' ') + form.arg(EveryHandTakesCard(game)
                                           ? card
                                           : card + QStringLiteral(", ") + HandsTakingCard(game));
}

QString Placement(const TableMoment& before, const VantrelGame& after)
{
    const HandCell placed = ChangedHandCell(before, after, true);
    if (placed.column == 0) {
        return {};
    }
    //: A card (%1) was placed in a hand (%2)
    return Speech::tr("%1 to %2.")
        .arg(CellInWords(after.Board(placed.column, placed.row)), HandName(placed.column));
}

QString RoundStart(const TableMoment& before, const VantrelGame& after)
{
    QStringList sentences;
    if (after.RoundNo == 1 && before.roundNo != 0) {
        sentences << Speech::tr("New game.");
    }
    sentences << Speech::tr("Round %1.").arg(after.RoundNo);
    QStringList dealt;
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        if (IsCard(after.Board(column, 1))) {
            dealt << Speech::tr("%1 to %2")
                         .arg(CellInWords(after.Board(column, 1)), HandName(column));
        }
    }
    if (!dealt.isEmpty()) {
        sentences << Speech::tr("Dealt: %1.").arg(dealt.join(QStringLiteral(", ")));
    }
    sentences << Speech::tr("Card to place: %1.").arg(CellInWords(after.CurrentCard()));
    return sentences.join(QLatin1Char(' '));
}

// The count in the order the table shows it: the cut card and his heels, each hand
// and the crib, the round's total and the game's; after the fifth round the end.
QString RoundCount(const VantrelGame& game)
{
    const QString cut =
        WithHisHeels(Speech::tr("Cut card: %1").arg(CellInWords(game.CurrentCard())), game);
    QStringList columns;
    for (int column = FirstHandColumn; column <= CribColumn; ++column) {
        columns << Speech::tr("%1 score %2")
                       .arg(column == CribColumn ? Speech::tr("Crib") : HandName(column),
                            QString::number(game.ScoreTable(column, ShownScoreColumn)));
    }
    QString total = Speech::tr("Round %1 total %2")
                        .arg(game.RoundNo)
                        .arg(game.ScoreTable(game.RoundNo, RoundScoreColumn));
    const QString gameTotal = QString::number(game.GameTotal());
    if (game.RoundNo < Rounds) {
        total = Speech::tr("%1, game total %2.").arg(total, gameTotal);
    } else {
        total = Speech::tr("%1. Game over: total %2.").arg(total, gameTotal);
        if (game.WinEarned()) {
            //: The end of the last count, then the banner's word as it is painted
            total = Speech::tr("%1 %2!").arg(total, WinInWords());
        }
    }
    return cut + QStringLiteral(". ") + columns.join(QStringLiteral(", ")) + QStringLiteral(". ") +
           total;
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
        return Placement(before, after) + CardToPlace(after, Speech::tr("Next: %1."));
    }
    if (before.placing && after.PlacedCount == before.placedCount - 1) {
        const HandCell taken = ChangedHandCell(before, after, false);
        return Speech::tr("Undo: %1 taken back from %2.")
                   .arg(CellInWords(before.board(taken.column, taken.row)),
                        HandName(taken.column)) +
               CardToPlace(after, Speech::tr("To place again: %1."));
    }
    if (before.highScoreView && !viewing) {
        return Speech::tr("Top 5 list closed.");
    }
    return {};
}

QString GameStandingInWords(const VantrelGame& game)
{
    if (game.RoundNo == 0) {
        return Speech::tr("No game yet. Space on the deck starts one.");
    }
    QString text;
    if (game.Placing != False) {
        int left = 0;
        for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
            for (int row = 1; row <= CardRows; ++row) {
                left += IsCard(game.Board(column, row)) ? 0 : 1;
            }
        }
        text = Speech::tr(
                   "Round %1 of %2. Card to place: %3, %4. %5 cards left to place. "
                   "Game total %6.")
                   .arg(game.RoundNo)
                   .arg(Rounds)
                   .arg(CellInWords(game.CurrentCard()), HandsTakingCard(game))
                   .arg(left)
                   .arg(game.GameTotal());
    } else if (game.RoundNo < Rounds) {
        text = Speech::tr(
                   "Round %1 of %2 counted: %3. Game total %4. Space on the deck for the "
                   "next round.")
                   .arg(game.RoundNo)
                   .arg(Rounds)
                   .arg(game.ScoreTable(game.RoundNo, RoundScoreColumn))
                   .arg(game.GameTotal());
    } else {
        const QString total = QString::number(game.GameTotal());
        text = game.WinEarned()
                   //: %2 is the banner's word as it is painted
                   ? Speech::tr("Game over: total %1, %2. Space on the deck starts a new game.")
                         .arg(total, WinInWords())
                   : Speech::tr("Game over: total %1. Space on the deck starts a new game.")
                         .arg(total);
    }
    if (game.HighScoreView != False) {
        text += QLatin1Char(' ') + Speech::tr("The Top 5 list covers the table; Escape closes it.");
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
        return Speech::tr("%1 is full.").arg(HandName(column));
    }
    return Speech::tr(
               "%1 already has its card in row %2: under the regular rules every hand "
               "gets a card in that row first.")
        .arg(HandName(column), QString::number(cards));
}

}  // namespace vantrel
