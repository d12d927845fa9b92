#include "paint/TablePlaces.h"

#include <QStringList>

#include "engine/CardNames.h"

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

// The cards of a column from top to bottom, then its score when one is shown.
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
    if (const QString score = ShownScore(game, column); !score.isEmpty()) {
        parts << score;
    }
    return parts.join(QStringLiteral(", "));
}

QString DeckInWords(const VantrelGame& game)
{
    if (game.Board(DeckColumn, 1) == NextPrompt) {
        return game.RoundNo >= Rounds ? QStringLiteral("Click for next Game!")
                                      : QStringLiteral("Click for next Round");
    }
    if (game.Placing != False) {
        return QStringLiteral("card to place: ") + CellInWords(game.CurrentCard());
    }
    return CellInWords(FaceDown);
}

// The label above the current card and what lies under it: the card to place while a
// round is placed, the cut card with his heels' points after the count.
QString CutCardInWords(const VantrelGame& game)
{
    const bool counted = game.Board(DeckColumn, 1) == NextPrompt;
    QString text = counted ? QStringLiteral("The Cut: ") : QStringLiteral("Play...: ");
    const QString card = CellInWords(game.CurrentCard());
    text += card.isEmpty() ? Empty : card;
    if (const QString score = ShownScore(game, DeckColumn); !score.isEmpty()) {
        text += QStringLiteral(", ") + score;
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
    return QStringLiteral("...The Vantrel Top 5 List...: ") + entries.join(QStringLiteral(", ")) +
           QStringLiteral(". Click left button to resume...");
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
