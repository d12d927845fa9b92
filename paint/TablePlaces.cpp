#include "paint/TablePlaces.h"

#include <QStringList>

#include <array>

#include "engine/CardNames.h"
#include "engine/HandCount.h"
#include "paint/Speech.h"
#include "paint/TableWords.h"

namespace vantrel {

namespace {

// The tallest text under a column: a hand score in the panel's font.
constexpr int ScoreTextHeight = 16;

QString Empty() { return Speech::tr("empty"); }

QString ShownScore(const VantrelGame& game, int column)
{
    const int score = game.ScoreTable(column, ShownScoreColumn);
    return score < NoScore ? Speech::tr("score %1").arg(score) : QString();
}

// How a counted column came to its score: "score 8: fifteens 4, a pair 2, nobs 1".
QString ScoreWithParts(const VantrelGame& game, int column)
{
    const QString score = ShownScore(game, column);
    if (score.isEmpty() || game.ScoreTable(column, ShownScoreColumn) == 0) {
        return score;
    }
    std::array<int, CardRows> cards{};
    for (int row = 1; row <= CardRows; ++row) {
        cards[static_cast<std::size_t>(row - 1)] = game.Board(column, row);
    }
    const ColumnScore parts = CountColumn(
        cards, game.CurrentCard(), column == CribColumn ? ColumnKind::Crib : ColumnKind::Hand);
    QStringList named;
    const auto name = [&named](int points, const QString& what) {
        if (points > 0) named << what.arg(points);
    };
    name(parts.fifteens, Speech::tr("fifteens %1"));
    name(parts.pairs, Speech::tr("pairs %1"));
    name(parts.runs, Speech::tr("runs %1"));
    name(parts.flush, Speech::tr("flush %1"));
    name(parts.nobs, Speech::tr("nobs %1"));
    return score + QStringLiteral(": ") + named.join(QStringLiteral(", "));
}

// The cards of a column from top to bottom, then its score when one is shown, with
// how it came about.
QString ColumnInWords(const VantrelGame& game, int column)
{
    QStringList parts;
    for (int row = 1; row <= CardRows; ++row) {
        if (const QString cell = CellInWords(game.Board(column, row)); !cell.isEmpty()) {
            parts << cell;
        }
    }
    if (parts.isEmpty()) {
        parts << Empty();
    }
    if (const QString score = ScoreWithParts(game, column); !score.isEmpty()) {
        parts << score;
    }
    return parts.join(QStringLiteral(", "));
}

// The deck in a listener's words: what the prompt painted on it asks of a mouse
// player is said as the key that does it.
QString DeckInWords(const VantrelGame& game)
{
    if (game.Board(DeckColumn, 1) == NextPrompt) {
        return game.RoundNo >= Rounds ? Speech::tr("Space for the next game")
                                      : Speech::tr("Space for the next round");
    }
    if (game.Placing != False) {
        return Speech::tr("Card to place: %1, %2")
            .arg(CellInWords(game.CurrentCard()), HandsTakingCard(game));
    }
    return Speech::tr("Face down. Space starts a game; H tells the keys");
}

// What lies under the label above the current card: the card to place while a round
// is placed, the cut card with his heels' points after the count.
QString CutCardInWords(const VantrelGame& game)
{
    const bool counted = game.Board(DeckColumn, 1) == NextPrompt;
    const QString card = CellInWords(game.CurrentCard());
    const QString text = card.isEmpty() ? Empty()
                         : counted      ? card
                                        : Speech::tr("Card to place: %1").arg(card);
    return WithHisHeels(text, game);
}

QString ScoresInWords(const VantrelGame& game)
{
    QStringList parts;
    for (int round = 1; round <= Rounds; ++round) {
        parts << Speech::tr("Round %1: %2").arg(round).arg(game.ScoreTable(round, 1));
    }
    parts << Speech::tr("Total %1").arg(game.GameTotal());
    return parts.join(QStringLiteral(", "));
}

QRect ColumnArea(int column, const CardMetrics& cards, int rowPitch)
{
    return QRect(QPoint(CellX(column, cards.width), CellY(1, rowPitch)),
                 QPoint(CellX(column, cards.width) + cards.width - 1,
                        HandScoreY(cards.height) + ScoreTextHeight - 1));
}

}  // namespace

QString CellInWords(int cellCode)
{
    if (cellCode == FaceDown) {
        return Speech::tr("face down");
    }
    if (cellCode < 1 || cellCode > LastCardCode) {
        return {};
    }
    const auto word = [](const char* english) {
        return QCoreApplication::translate("Cards", english);
    };
    return word(CardNameForm)
        .arg(word(RankName(CardRank(cellCode))), word(SuitName(CardSuit(cellCode))));
}

QString TopFiveInWords(const TopFive& top)
{
    QStringList entries;
    for (const TopEntry& entry : top) {
        entries << entry.name + QLatin1Char(' ') + QString::number(entry.score);
    }
    return Speech::tr("The Vantrel Top 5 list: %1. Escape closes it.")
        .arg(entries.join(QStringLiteral(", ")));
}

bool EveryHandTakesCard(const VantrelGame& game)
{
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        if (!game.TakesCard(column)) return false;
    }
    return true;
}

QString HandsTakingCard(const VantrelGame& game)
{
    QStringList hands;
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        if (game.TakesCard(column)) {
            hands << QString::number(column - FirstHandColumn + 1);
        }
    }
    if (hands.size() == LastHandColumn - FirstHandColumn + 1) {
        return Speech::tr("for any hand");
    }
    if (hands.isEmpty()) {
        return Speech::tr("for no hand");
    }
    const QString last = hands.takeLast();
    return hands.isEmpty()
               ? Speech::tr("for Hand %1").arg(last)
               : Speech::tr("for Hand %1 or %2").arg(hands.join(QStringLiteral(", ")), last);
}

QString HandName(int column) { return Speech::tr("Hand %1").arg(column - FirstHandColumn + 1); }

QString WithHisHeels(const QString& text, const VantrelGame& game)
{
    const int heels = game.ScoreTable(DeckColumn, ShownScoreColumn);
    return heels > 0 && heels < NoScore
               ? Speech::tr("%1, his heels %2").arg(text, QString::number(heels))
               : text;
}

QString WinInWords() { return TableWords::Translated(TableWords::Win); }

std::vector<TablePlace> DescribeTable(const VantrelGame& game, const TopFive& top,
                                      const CardMetrics& cards, int bannerWidth)
{
    const int W = cards.width;
    const int H = cards.height;
    const int P = game.RowPitch;
    const bool covered = game.HighScoreView != False;
    const QString coveredText = Speech::tr("covered by the Top 5 list");
    const auto shown = [&](const QString& text) { return covered ? coveredText : text; };

    std::vector<TablePlace> places;
    const int pile = DeckPileOffsets[0];
    places.push_back({PlaceKind::Deck, Speech::tr("Deck"), DeckInWords(game),
                      QRect(QPoint(pile, pile),
                            QPoint(DeckPileOffsets[2] + W - 1, DeckPileOffsets[2] + H - 1))});
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        const auto kind =
            static_cast<PlaceKind>(static_cast<int>(PlaceKind::Hand1) + column - FirstHandColumn);
        places.push_back({kind, HandName(column), shown(ColumnInWords(game, column)),
                          ColumnArea(column, cards, P)});
    }
    places.push_back({PlaceKind::Crib, Speech::tr("Crib"), shown(ColumnInWords(game, CribColumn)),
                      ColumnArea(CribColumn, cards, P)});
    places.push_back(
        {PlaceKind::CutCard, Speech::tr("Cut card"), shown(CutCardInWords(game)),
         QRect(QPoint(CutLabelX, CutPlayLabelY(P)),
               QPoint(CellX(DeckColumn, W) + W - 1, HandScoreY(H) + ScoreTextHeight - 1))});
    const int panelTop = PanelBoxTop(H, P);
    places.push_back({PlaceKind::Scores, Speech::tr("Scores"), shown(ScoresInWords(game)),
                      QRect(QPoint(PanelBoxLeft(W), panelTop),
                            QPoint(PanelBoxRight(W) - 1, panelTop + PanelBoxHeight - 1))});
    if (covered) {
        places.push_back(
            {PlaceKind::TopFive, Speech::tr("Top 5"), TopFiveInWords(top),
             QRect(QPoint(TopBoxLeft, TopBoxTop), QPoint(TopBoxRight - 1, TopBoxBottom - 1))});
    }
    if (game.Placing == False && game.WinEarned()) {
        places.push_back(
            {PlaceKind::Win, WinInWords(),
             //: %1 is the banner's word as it is painted
             Speech::tr("%1, game total %2").arg(WinInWords(), QString::number(game.GameTotal())),
             QRect(0, BannerTop(P), bannerWidth, BannerHeight)});
    }
    return places;
}

}  // namespace vantrel
