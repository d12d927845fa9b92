// One board cell painted from its cell code: a face, a back, an open slot, the
// next-round prompt or a patch of felt.
#include <QImage>
#include <QString>

#include "app/VantrelForm.h"
#include "engine/Cards.h"
#include "paint/Canvas.h"
#include "paint/CardGeometry.h"

namespace vantrel {

namespace {

constexpr int PromptFontSize = 10;
constexpr int PromptLinePitch = 20;
constexpr int PromptTextIndent = 8;

QString RankText(int rank)
{
    switch (rank) {
        case Ace:
            return QStringLiteral("A");
        case Jack:
            return QStringLiteral("J");
        case Queen:
            return QStringLiteral("Q");
        case King:
            return QStringLiteral("K");
        default:
            return QString::number(rank);
    }
}

struct CardBox {
    int x0;
    int y0;
    int width;
    int height;
};

// A row of pips centred across the card.
void DrawPipRow(Canvas& canvas, const CardBox& card, const QImage& pip, int pips, int y)
{
    const int left = card.x0 + PipRowOffset(card.width, pips, pip.width());
    for (int j = 0; j < pips; ++j) {
        canvas.Draw(left + j * (pip.width() + PipGap), y, pip);
    }
}

void DrawPips(Canvas& canvas, const CardBox& card, const QImage& pip, int rank)
{
    const int centre = card.y0 + PipCentreOffset(card.height, pip.height());
    if (rank <= 5) {
        DrawPipRow(canvas, card, pip, rank, centre);
        return;
    }
    const int upper = rank / 2;
    DrawPipRow(canvas, card, pip, upper, centre - pip.height());
    DrawPipRow(canvas, card, pip, rank - upper, centre + pip.height());
}

// The rank in both corners, the top one from the top-left and the bottom one ending
// two pixels inside the bottom-right corner, both upright.
void DrawRankTexts(Canvas& canvas, const CardBox& card, const QString& text)
{
    const int tw = canvas.TextWidth(text);
    const int th = canvas.TextHeight(text);
    const int left = card.x0 + 2;
    const int top = card.y0 + 1;
    canvas.TextRect(left, top, left + tw, top + th, left, top, text);
    const int right = card.x0 + card.width - 2;
    const int bottom = card.y0 + card.height - 2;
    canvas.TextRect(right - tw, bottom - th, right, bottom, right - tw, bottom - th, text);
}

void DrawFace(Canvas& canvas, const Pictures& pictures, const CardBox& card, int cardCode)
{
    const int rank = CardRank(cardCode);
    const int suit = CardSuit(cardCode);
    const QImage& suitPicture = pictures.SuitPicture(suit);
    canvas.SetFontColour(ColourOf(IsRedSuit(suit) ? Red : Black));
    const int right = card.x0 + card.width;
    const int bottom = card.y0 + card.height;
    canvas.SetBrushColour(ColourOf(White));
    canvas.FillRect(card.x0, card.y0, right, bottom);
    canvas.SetBrushColour(ColourOf(Black));
    canvas.FrameRect(card.x0, card.y0, right, bottom);
    canvas.SetBrushColour(ColourOf(White));
    DrawRankTexts(canvas, card, RankText(rank));
    canvas.Draw(card.x0 + 2, bottom - suitPicture.height() - 2, suitPicture);
    // The clubs picture is two pixels wider than the others and moves left for it.
    const int topRightInset = suit == Clubs ? 25 : 23;
    canvas.Draw(right - topRightInset, card.y0 + 2, suitPicture);
    if (rank <= 10) {
        DrawPips(canvas, card, pictures.PipPicture(suit), rank);
    }
}

// Covers the deck pile at cell (1,1): one pixel beyond the card on the left and top,
// four beyond it on the right and bottom.
void DrawNextPrompt(Canvas& canvas, const CardBox& card, int roundNo)
{
    canvas.SetFontSize(PromptFontSize);
    canvas.SetFontColour(ColourOf(Black));
    const int left = card.x0 - 1;
    const int top = card.y0 - 1;
    const int right = card.x0 + card.width + 4;
    const int bottom = card.y0 + card.height + 4;
    canvas.SetBrushColour(ColourOf(Yellow));
    canvas.FillRect(left, top, right, bottom);
    canvas.SetBrushColour(ColourOf(Black));
    canvas.FrameRect(left, top, right, bottom);
    canvas.SetBrushColour(ColourOf(Yellow));
    const int x = card.x0 + PromptTextIndent;
    canvas.TextOut(x, card.y0, QStringLiteral("Click"));
    canvas.TextOut(x, card.y0 + PromptLinePitch, QStringLiteral("for"));
    canvas.TextOut(x, card.y0 + 2 * PromptLinePitch, QStringLiteral("next"));
    canvas.TextOut(x, card.y0 + 3 * PromptLinePitch,
                   roundNo >= Rounds ? QStringLiteral("Game!") : QStringLiteral("Round"));
}

}  // namespace

void TVantrelForm::DrawCell(int cellCode, int column, int row)
{
    Canvas& c = canvas();
    // Set for every code: the size stays in force for texts drawn later.
    c.SetFontSize(RankFontSize);
    const CardBox card{CellX(column, CardWidth), CellY(row, RowPitch), CardWidth, CardHeight};
    if (cellCode == FaceDown) {
        // The deck pile stands at (1,1) and is painted by the table.
        if ((column != DeckColumn || row != 1) && CardBack != nullptr) {
            c.Draw(card.x0 + 1, card.y0 + 1, *CardBack);
        }
    } else if (cellCode >= 1 && cellCode <= LastCardCode) {
        DrawFace(c, pictures, card, cellCode);
    } else if (cellCode == OpenSlot) {
        c.SetBrushColour(ColourOf(FeltColour));
        c.FillRect(card.x0, card.y0, card.x0 + CardWidth, card.y0 + CardHeight);
        c.SetBrushColour(ColourOf(White));
        c.FrameRect(card.x0, card.y0, card.x0 + CardWidth, card.y0 + CardHeight);
    } else if (cellCode == NextPrompt) {
        DrawNextPrompt(c, card, RoundNo);
    } else if (cellCode == EraseCell) {
        // One pixel larger than the card, to take a back at the one-pixel offset too.
        c.SetBrushColour(ColourOf(FeltColour));
        c.FillRect(card.x0, card.y0, card.x0 + CardWidth + 1, card.y0 + CardHeight + 1);
    }
}

}  // namespace vantrel
