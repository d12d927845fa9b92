// The whole table: the paint handler, the board, the deck pile, the empty table of a
// round being placed, the score panel, the Top 5 view and the WIN banner.
#include <QString>

#include "paint/Canvas.h"
#include "paint/Colours.h"
#include "paint/TablePainter.h"
#include "paint/TableWords.h"

namespace vantrel {

using TableWords::Translated;

namespace {

// One of the table's words on the line y, from its place's left edge and kept inside it.
void WriteWord(Canvas& c, const char* word, const CardMetrics& cards, int y)
{
    const TableWords::Place place = TableWords::PlaceOf(word, cards);
    c.TextOutLeftOf(place.right, place.left, y, Translated(word));
}

}  // namespace

void TablePainter::PaintBoxPaint(const TopFive& top) const
{
    if (game_.Placing != False) {
        DrawTable();
        DrawPanelBox();
        DrawBoard(top);
        return;
    }
    DrawDeckPile();
    if (game_.Board(DeckColumn, 1) == NextPrompt) {
        DrawCell(NextPrompt, DeckColumn, 1);
    }
    DrawPanelBox();
    DrawBoard(top);
    DrawWinBanner();
}

void TablePainter::DrawBoard(const TopFive& top) const
{
    if (game_.HighScoreView != False) {
        DrawHighScores(top);
        return;
    }
    // Top to bottom within a column: each card covers the lower part of the one above.
    for (int column = 1; column <= CribColumn; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            DrawCell(game_.Board(column, row), column, row);
        }
    }
    DrawScorePanel();
}

void TablePainter::DrawDeckPile() const
{
    for (const int at : DeckPileOffsets) {
        DrawCardBack(at, at);
    }
}

void TablePainter::DrawTable() const
{
    DrawDeckPile();
    Canvas& c = canvas_;
    const int width = look_.cards.width;
    c.SetBrushColour(ColourOf(White));
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        const int x0 = CellX(column, width);
        c.FrameRect(x0, TableMargin, x0 + width, TableMargin + look_.cards.height);
    }
    // The crib at the cell origins, without the offset that a back in a cell gets.
    for (int row = 1; row <= CardRows; ++row) {
        DrawCardBack(CellX(CribColumn, width), CellY(row, game_.RowPitch));
    }
}

void TablePainter::DrawPanelBox() const
{
    Canvas& c = canvas_;
    c.SetPenColour(ColourOf(Black));
    c.SetPenWidth(1);
    c.SetBrushColour(ColourOf(look_.panel));
    const int top = PanelBoxTop(look_.cards.height, game_.RowPitch);
    c.RoundRect(PanelBoxLeft(look_.cards.width), top, PanelBoxRight(look_.cards.width),
                top + PanelBoxHeight, CornerEllipse, CornerEllipse);
}

void TablePainter::DrawScorePanel() const
{
    Canvas& c = canvas_;
    c.SetFontSize(SmallTextSize);
    c.SetFontColour(ColourOf(Black));
    c.SetBrushColour(ColourOf(look_.felt));
    const int labelY = CutPlayLabelY(game_.RowPitch);
    if (game_.Board(DeckColumn, 1) == NextPrompt) {
        WriteWord(c, TableWords::TheCut, look_.cards, labelY);
    } else {
        // Eight spaces first, over the start of a "The Cut" written further left.
        c.TextOut(PlayLabelX, labelY, QStringLiteral("        "));
        WriteWord(c, TableWords::Play, look_.cards, labelY);
    }

    const int W = look_.cards.width;
    const int H = look_.cards.height;
    c.SetBrushColour(ColourOf(look_.panel));
    WriteWord(c, TableWords::Round, look_.cards, PanelFirstLineY(H));
    WriteWord(c, TableWords::Score, look_.cards, PanelSecondLineY(H));
    for (int i = 1; i <= Rounds; ++i) {
        c.TextOut(PanelRoundX(W, i), PanelFirstLineY(H), QString::number(i));
        c.TextOut(PanelRoundX(W, i), PanelSecondLineY(H),
                  QString::number(game_.ScoreTable(i, RoundScoreColumn)));
    }
    WriteWord(c, TableWords::Total, look_.cards, PanelFirstLineY(H));
    c.TextOut(PanelTotalX(W), PanelSecondLineY(H), QString::number(game_.GameTotal()));

    c.SetBrushColour(ColourOf(look_.felt));
    for (int column = 1; column <= CribColumn; ++column) {
        const int shown = game_.ScoreTable(column, ShownScoreColumn);
        if (shown < NoScore) {
            c.TextOut(CellX(column, W) + HandScoreIndent, HandScoreY(H), QString::number(shown));
        }
    }
}

void TablePainter::DrawHighScores(const TopFive& top) const
{
    Canvas& c = canvas_;
    c.SetFontSize(LargeTextSize);
    c.SetPenColour(ColourOf(Black));
    // Yellow in both colour schemes.
    c.SetBrushColour(ColourOf(Yellow));
    c.RoundRect(TopBoxLeft, TopBoxTop, TopBoxRight, TopBoxBottom, CornerEllipse, CornerEllipse);
    c.SetFontColour(ColourOf(Black));
    WriteWord(c, TableWords::TopHeading, look_.cards, TopHeadingY);
    for (int i = 1; i <= TopEntryCount; ++i) {
        const TopEntry& entry = top[static_cast<std::size_t>(i - 1)];
        const int y = TopHeadingY + TopLinePitch * i;
        // A name too long for its column is cut off before the score, and only there.
        c.TextOutLeftOf(TopNameRight, TopNameX, y, entry.name);
        c.TextOut(TopScoreX, y, QString::number(entry.score));
    }
    WriteWord(c, TableWords::Resume, look_.cards, TopResumeY);
}

void TablePainter::DrawWinBanner() const
{
    Canvas& c = canvas_;
    const int screenWidth = c.ScreenWidth();
    if (!game_.WinEarned()) {
        return;
    }
    c.SetBrushColour(ColourOf(look_.panel));
    const int top = BannerTop(game_.RowPitch);
    // No font size of its own: "WIN" comes in the size last set.
    const QString win = Translated(TableWords::Win);
    for (int x = 0; x < screenWidth; x += BannerTileWidth) {
        c.SetFontColour(ColourOf(Red));
        c.TextRect(x, top, x + BannerTileWidth, top + BannerHeight, x + BannerTextInset,
                   top + BannerTextInset, win);
    }
}

}  // namespace vantrel
