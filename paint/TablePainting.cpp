// The whole table: the paint handler, the board, the deck pile, the empty table of a
// round being placed, the score panel, the Top 5 view and the WIN banner.
#include <QString>

#include "app/VantrelForm.h"
#include "store/SingleByteText.h"
#include "paint/Canvas.h"
#include "paint/CardGeometry.h"
#include "paint/PaintBox.h"

namespace vantrel {

namespace {

constexpr int PanelFontSize = 10;
constexpr int TopListFontSize = 16;
constexpr int CornerEllipse = 25;
constexpr int LabelY = 135;  // the cut/play label above the current card
constexpr int BannerTileWidth = 48;
constexpr int BannerTop = 200;
constexpr int BannerBottom = 224;

}  // namespace

Canvas& TVantrelForm::canvas()
{
    return paintBox->canvas();
}

void TVantrelForm::PaintBoxPaint()
{
    if (Placing != False) {
        DrawTable();
        DrawPanelBox();
        DrawBoard();
        return;
    }
    DrawDeckPile();
    if (Board(DeckColumn, 1) == NextPrompt) {
        DrawCell(NextPrompt, DeckColumn, 1);
    }
    DrawPanelBox();
    DrawBoard();
    DrawWinBanner();
}

void TVantrelForm::DrawBoard()
{
    if (HighScoreView != False) {
        DrawHighScores();
        return;
    }
    // Top to bottom within a column: each card covers the lower part of the one above.
    for (int column = 1; column <= CribColumn; ++column) {
        for (int row = 1; row <= 5; ++row) {
            DrawCell(Board(column, row), column, row);
        }
    }
    DrawScorePanel();
}

void TVantrelForm::DrawDeckPile()
{
    if (CardBack == nullptr) {
        return;
    }
    Canvas& c = canvas();
    for (const int at : {9, 11, 13}) {
        c.Draw(at, at, *CardBack);
    }
}

void TVantrelForm::DrawTable()
{
    DrawDeckPile();
    Canvas& c = canvas();
    c.SetBrushColour(ColourOf(White));
    for (int column = FirstHandColumn; column <= LastHandColumn; ++column) {
        const int x0 = CellX(column, CardWidth);
        c.FrameRect(x0, TableMargin, x0 + CardWidth, TableMargin + CardHeight);
    }
    if (CardBack == nullptr) {
        return;
    }
    // The crib at the cell origins, without the offset that a back in a cell gets.
    for (int row = 1; row <= CardRows; ++row) {
        c.Draw(CellX(CribColumn, CardWidth), CellY(row, RowPitch), *CardBack);
    }
}

void TVantrelForm::DrawPanelBox()
{
    Canvas& c = canvas();
    c.SetPenColour(ColourOf(Black));
    c.SetPenWidth(1);
    c.SetBrushColour(ColourOf(PanelColour));
    const int top = 3 * RowPitch + CardHeight + 50;
    c.RoundRect(CardWidth + 10, top, CardWidth + 414, top + 68, CornerEllipse, CornerEllipse);
}

void TVantrelForm::DrawScorePanel()
{
    Canvas& c = canvas();
    c.SetFontSize(PanelFontSize);
    c.SetFontColour(ColourOf(Black));
    c.SetBrushColour(ColourOf(FeltColour));
    if (Board(DeckColumn, 1) == NextPrompt) {
        c.TextOut(8, LabelY, QStringLiteral("The Cut"));
    } else {
        // Eight spaces first, over the start of a "The Cut" written further left.
        c.TextOut(12, LabelY, QStringLiteral("        "));
        c.TextOut(12, LabelY, QStringLiteral("Play..."));
    }

    const int W = CardWidth;
    const int H = CardHeight;
    c.SetBrushColour(ColourOf(PanelColour));
    c.TextOut(W + 15, H + 210, QStringLiteral("Round"));
    c.TextOut(W + 15, H + 230, QStringLiteral("Score"));
    for (int i = 1; i <= Rounds; ++i) {
        c.TextOut(W + 65 + 50 * i, H + 210, QString::number(i));
        c.TextOut(W + 65 + 50 * i, H + 230, QString::number(ScoreTable(i, RoundScoreColumn)));
    }
    c.TextOut(W + 365, H + 210, QStringLiteral("Total"));
    c.TextOut(W + 365, H + 230, QString::number(GameTotal()));

    c.SetBrushColour(ColourOf(FeltColour));
    for (int column = 1; column <= CribColumn; ++column) {
        const int shown = ScoreTable(column, ShownScoreColumn);
        if (shown < NoScore) {
            c.TextOut(CellX(column, W) + 30, H + 170, QString::number(shown));
        }
    }
}

void TVantrelForm::DrawHighScores()
{
    Canvas& c = canvas();
    c.SetFontSize(TopListFontSize);
    HighScoreView = True;
    c.SetPenColour(ColourOf(Black));
    // Yellow in both colour schemes.
    c.SetBrushColour(ColourOf(Yellow));
    c.RoundRect(60, 10, 460, 334, CornerEllipse, CornerEllipse);
    c.SetFontColour(ColourOf(Black));
    c.TextOut(120, 30, QStringLiteral("...The Vantrel Top 5 List..."));
    for (int i = 1; i <= StoredRecord::TopEntries; ++i) {
        const std::string name = Record.TopName(i);
        c.TextOut(120, 30 + 30 * i, NameFromStoredBytes(name));
        c.TextOut(360, 30 + 30 * i, QString::number(Record.TopScore(i)));
    }
    c.TextOut(120, 300, QStringLiteral("Click left button to resume..."));
}

void TVantrelForm::DrawWinBanner()
{
    FinalTotal = GameTotal();
    Canvas& c = canvas();
    const int screenWidth = c.ScreenWidth();
    if (FinalTotal < WinThreshold) {
        return;
    }
    c.SetBrushColour(ColourOf(PanelColour));
    // No font size of its own: "WIN" comes in the size last set.
    for (int x = 0; x < screenWidth; x += BannerTileWidth) {
        c.SetFontColour(ColourOf(Red));
        c.TextRect(x, BannerTop, x + BannerTileWidth, BannerBottom, x + 4, BannerTop + 4,
                   QStringLiteral("WIN"));
    }
}

}  // namespace vantrel
