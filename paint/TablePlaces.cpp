#include "paint/TablePlaces.h"

#include <QStringList>

#include <array>

#include "engine/CardNames.h"
#include "engine/HandCount.h"

namespace vantrel {

namespace {

// The tallest text under a column: a hand score in the panel's font.
constexpr int ScoreTextHeight = 16;

const QString Empty = QStringLiteral("empty");
const QString Covered = QStringLiteral("covered by the Top 5 list");

QString ShownScore(const VantrelGame& game, int column)
{
    const int score = game.ScoreTable(column, ShownScoreColumn);
    return score < NoScore ? QStringLiteral("score %1").arg(score) : QString();
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
    name(parts.fifteens, QStringLiteral("fifteens %1"));
    name(parts.pairs, QStringLiteral("pairs %1"));
    name(parts.runs, QStringLiteral("runs %1"));
    name(parts.flush, QStringLiteral("flush %1"));
    name(parts.nobs, QStringLiteral("nobs %1"));
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
        parts << Empty;
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
        return game.RoundNo >= Rounds ? QStringLiteral("Space for the next game")
                                      : QStringLiteral("Space for the next round");
    }
    if (game.Placing != False) {
        return QStringLiteral("Card to place: ") + CellInWords(game.CurrentCard()) +
               QStringLiteral(", ") + HandsTakingCard(game);
    }
    return QStringLiteral("Face down. Space starts a game; H tells the keys");
}

// What lies under the label above the current card: the card to place while a round
// is placed, the cut card with his heels' points after the count.
QString CutCardInWords(const VantrelGame& game)
{
    const bool counted = game.Board(DeckColumn, 1) == NextPrompt;
    const QString card = CellInWords(game.CurrentCard());
    QString text =
        card.isEmpty() ? Empty : (counted ? QString() : QStringLiteral("Card to place: ")) + card;
    if (const int heels = game.ScoreTable(DeckColumn, ShownScoreColumn);
        heels > 0 && heels < NoScore) {
        text += QStringLiteral(", his heels %1").arg(heels);
    }
    return text;
}

QString ScoresInWords(const VantrelGame& game)
{
    QStringList parts;
    for (int round = 1; round <= Rounds; ++round) {
        parts << QStringLiteral("Round %1: %2").arg(round).arg(game.ScoreTable(round, 1));
    }
    parts << QStringLiteral("Total %1").arg(game.GameTotal());
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
        return QStringLiteral("face down");
    }
    return QString::fromStdString(CardName(cellCode));
}

QString TopFiveInWords(const TopFive& top)
{
    QStringList entries;
    for (const TopEntry& entry : top) {
        entries << entry.name + QLatin1Char(' ') + QString::number(entry.score);
    }
    return QStringLiteral("The Vantrel Top 5 list: ") + entries.join(QStringLiteral(", ")) +
           QStringLiteral(". Escape closes it.");
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
        return QStringLiteral("for any hand");
    }
    if (hands.isEmpty()) {
        return QStringLiteral("for no hand");
    }
    const QString last = hands.takeLast();
    return hands.isEmpty()
               ? QStringLiteral("for Hand %1").arg(last)
               : QStringLiteral("for Hand %1 or %2").arg(hands.join(QStringLiteral(", ")), last);
}

QString HandName(int column) { return QStringLiteral("Hand %1").arg(column - FirstHandColumn + 1); }

std::vector<TablePlace> DescribeTable(const VantrelGame& game, const TopFive& top,
                                      const CardMetrics& cards, int bannerWidth)
{
    const int W = cards.width;
    const int H = cards.height;
    const int P = game.RowPitch;
    const bool covered = game.HighScoreView != False;
    const auto shown = [&](const QString& text) { return covered ? Covered : text; };

    std::vector<TablePlace> places;
    const int pile = DeckPileOffsets[0];
    places.push_back({PlaceKind::Deck, QStringLiteral("Deck"), DeckInWords(game),
                      QRect(QPoint(pile, pile),
                            QPoint(DeckPileOffsets[2] + W - 1, DeckPileOffsets[2] + H - 1))});
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        const auto kind =
            static_cast<PlaceKind>(static_cast<int>(PlaceKind::Hand1) + column - FirstHandColumn);
        places.push_back({kind, HandName(column), shown(ColumnInWords(game, column)),
                          ColumnArea(column, cards, P)});
    }
    places.push_back({PlaceKind::Crib, QStringLiteral("Crib"),
                      shown(ColumnInWords(game, CribColumn)), ColumnArea(CribColumn, cards, P)});
    places.push_back(
        {PlaceKind::CutCard, QStringLiteral("Cut card"), shown(CutCardInWords(game)),
         QRect(QPoint(CutLabelX, CutPlayLabelY(P)),
               QPoint(CellX(DeckColumn, W) + W - 1, HandScoreY(H) + ScoreTextHeight - 1))});
    const int panelTop = PanelBoxTop(H, P);
    places.push_back({PlaceKind::Scores, QStringLiteral("Scores"), shown(ScoresInWords(game)),
                      QRect(QPoint(PanelBoxLeft(W), panelTop),
                            QPoint(PanelBoxRight(W) - 1, panelTop + PanelBoxHeight - 1))});
    if (covered) {
        places.push_back(
            {PlaceKind::TopFive, QStringLiteral("Top 5"), TopFiveInWords(top),
             QRect(QPoint(TopBoxLeft, TopBoxTop), QPoint(TopBoxRight - 1, TopBoxBottom - 1))});
    }
    if (game.Placing == False && game.WinEarned()) {
        places.push_back({PlaceKind::Win, QStringLiteral("WIN"),
                          QStringLiteral("WIN, game total %1").arg(game.GameTotal()),
                          QRect(0, BannerTop(P), bannerWidth, BannerHeight)});
    }
    return places;
}

}  // namespace vantrel
