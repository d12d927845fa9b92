// One board cell painted from its cell code: a face, a back, an open slot, the
// next-round prompt or a patch of felt.
#include <QImage>
#include <QString>
#include <QStringList>

#include "engine/Cards.h"
#include "paint/Canvas.h"
#include "paint/Colours.h"
#include "paint/TablePainter.h"
#include "paint/TableWords.h"

namespace vantrel {

namespace {

QString RankText(int rank)
{
    switch (rank) {
        case Ace:
            return TableWords::Translated(TableWords::Ace);
        case Jack:
            return TableWords::Translated(TableWords::Jack);
        case Queen:
            return TableWords::Translated(TableWords::Queen);
        case King:
            return TableWords::Translated(TableWords::King);
        default:
            return QString::number(rank);
    }
}

}  // namespace

TablePainter::TablePainter(Canvas& canvas, const VantrelGame& game, const TableLook& look,
                           const Pictures& pictures)
    : canvas_(canvas), game_(game), look_(look), pictures_(pictures)
{
}

void TablePainter::DrawCell(int cellCode, int column, int row) const
{
    Canvas& c = canvas_;
    const int width = look_.cards.width;
    const int height = look_.cards.height;
    // Set for every code: the size stays in force for texts drawn later.
    c.SetFontSize(look_.cards.rankFontSize);
    const int x0 = CellX(column, width);
    const int y0 = CellY(row, game_.RowPitch);
    if (cellCode == FaceDown) {
        // The deck pile stands at (1,1) and is painted by the table.
        if (column != DeckColumn || row != 1) {
            DrawCardBack(x0 + 1, y0 + 1);
        }
    } else if (cellCode >= 1 && cellCode <= LastCardCode) {
        DrawFace(cellCode, x0, y0);
    } else if (cellCode == OpenSlot) {
        c.SetBrushColour(ColourOf(look_.felt));
        c.FillRect(x0, y0, x0 + width, y0 + height);
        c.SetBrushColour(ColourOf(White));
        c.FrameRect(x0, y0, x0 + width, y0 + height);
    } else if (cellCode == NextPrompt) {
        DrawNextPrompt(x0, y0);
    } else if (cellCode == EraseCell) {
        // One pixel larger than the card, to take a back at the one-pixel offset too.
        c.SetBrushColour(ColourOf(look_.felt));
        c.FillRect(x0, y0, x0 + width + 1, y0 + height + 1);
    }
}

void TablePainter::DrawCardBack(int x, int y) const
{
    if (look_.cardBack != nullptr) {
        canvas_.Draw(x, y, *look_.cardBack);
    }
}

void TablePainter::DrawFace(int cardCode, int x0, int y0) const
{
    Canvas& c = canvas_;
    const int rank = CardRank(cardCode);
    const int suit = CardSuit(cardCode);
    const QImage& suitPicture = pictures_.SuitPicture(suit);
    c.SetFontColour(ColourOf(IsRedSuit(suit) ? Red : Black));
    const int right = x0 + look_.cards.width;
    const int bottom = y0 + look_.cards.height;
    c.SetBrushColour(ColourOf(White));
    c.FillRect(x0, y0, right, bottom);
    c.SetBrushColour(ColourOf(Black));
    c.FrameRect(x0, y0, right, bottom);
    c.SetBrushColour(ColourOf(White));
    DrawRankTexts(RankText(rank), x0, y0);
    c.Draw(x0 + SuitInset, bottom - suitPicture.height() - SuitInset, suitPicture);
    c.Draw(right - (suit == Clubs ? ClubsRightInset : SuitRightInset), y0 + SuitInset, suitPicture);
    if (rank <= 10) {
        DrawPips(pictures_.PipPicture(suit), rank, x0, y0);
    }
}

// The rank in both corners, the top one from the top-left and the bottom one ending
// two pixels inside the bottom-right corner, both upright.
void TablePainter::DrawRankTexts(const QString& text, int x0, int y0) const
{
    Canvas& c = canvas_;
    const int tw = c.TextWidth(text);
    const int th = c.TextHeight(text);
    const int left = x0 + RankInsetX;
    const int top = y0 + RankInsetTop;
    c.TextRect(left, top, left + tw, top + th, left, top, text);
    const int right = x0 + look_.cards.width - RankInsetX;
    const int bottom = y0 + look_.cards.height - RankInsetBottom;
    c.TextRect(right - tw, bottom - th, right, bottom, right - tw, bottom - th, text);
}

void TablePainter::DrawPips(const QImage& pip, int rank, int x0, int y0) const
{
    const int centre = y0 + PipCentreOffset(look_.cards.height, pip.height());
    if (rank <= 5) {
        DrawPipRow(pip, rank, x0, centre);
        return;
    }
    const int upper = rank / 2;
    DrawPipRow(pip, upper, x0, centre - pip.height());
    DrawPipRow(pip, rank - upper, x0, centre + pip.height());
}

// A row of pips centred across the card.
void TablePainter::DrawPipRow(const QImage& pip, int pips, int x0, int y) const
{
    const int left = x0 + PipRowOffset(look_.cards.width, pips, pip.width());
    for (int j = 0; j < pips; ++j) {
        canvas_.Draw(left + j * (pip.width() + PipGap), y, pip);
    }
}

void TablePainter::DrawNextPrompt(int x0, int y0) const
{
    Canvas& c = canvas_;
    c.SetFontSize(SmallTextSize);
    c.SetFontColour(ColourOf(Black));
    const int left = x0 - PromptOutsetLeftTop;
    const int top = y0 - PromptOutsetLeftTop;
    const int right = x0 + look_.cards.width + PromptOutsetRightBottom;
    const int bottom = y0 + look_.cards.height + PromptOutsetRightBottom;
    c.SetBrushColour(ColourOf(Yellow));
    c.FillRect(left, top, right, bottom);
    c.SetBrushColour(ColourOf(Black));
    c.FrameRect(left, top, right, bottom);
    c.SetBrushColour(ColourOf(Yellow));
    // One line under another: "Click", "for", "next", then "Round" or "Game!", each kept
    // inside the prompt's place.
    const char* prompt = game_.RoundNo >= Rounds ? TableWords::NextGame : TableWords::NextRound;
    const TableWords::Place place = TableWords::PlaceOf(prompt, look_.cards);
    const int textLeft = x0 + PromptTextIndent;
    const QStringList lines = TableWords::Translated(prompt).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        c.TextOutLeftOf(textLeft + place.right - place.left, textLeft,
                        y0 + static_cast<int>(i) * PromptLinePitch, lines[i]);
    }
}

}  // namespace vantrel
