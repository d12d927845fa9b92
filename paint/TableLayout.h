#pragma once

// Where things stand on the table, in pixels of the drawing surface, with W the card
// width, H the card height and P the row pitch. Pure arithmetic, shared by painting
// and mouse input; every position of the table is named here and nowhere else.
namespace vantrel {

// One card size: the card metrics that the card-size option chooses between.
struct CardMetrics {
    int width;
    int height;
    int rankFontSize;  // points, for the rank text on a face
};

inline constexpr CardMetrics RegularCardMetrics{71, 82, 12};
inline constexpr CardMetrics LargeCardMetrics{82, 108, 16};

// Font sizes in points.
inline constexpr int SmallTextSize = 10;  // the score panel, its label and the next-round prompt
inline constexpr int LargeTextSize = 16;  // the surface's own font and the Top 5 list

// --- the grid of board cells ---------------------------------------------------------

inline constexpr int TableMargin = 10;  // left and top margin, and the gap between columns

// Left edge of board column 1..6.
constexpr int CellX(int column, int cardWidth)
{
    return (column - 1) * (cardWidth + TableMargin) + TableMargin;
}

// Top edge of board row 1..5.
constexpr int CellY(int row, int rowPitch) { return (row - 1) * rowPitch + TableMargin; }

// The board column under a pointer X: the band of a column includes the gap to its
// right. Truncates toward zero as the game always has, so X left of the table still
// gives column 1 or 0, never a hand.
constexpr int ColumnAt(int x, int cardWidth)
{
    return (x - TableMargin) / (cardWidth + TableMargin) + 1;
}

// The deck hot spot, all four bounds excluded.
constexpr bool OnDeckHotSpot(int x, int y, int cardWidth, int cardHeight)
{
    return TableMargin < x && x < cardWidth + TableMargin && TableMargin < y &&
           y < cardHeight + TableMargin;
}

// --- inside a card -------------------------------------------------------------------

inline constexpr int PipGap = 3;           // white between neighbouring pips
inline constexpr int RankInsetX = 2;       // the rank texts from the left and right edges
inline constexpr int RankInsetTop = 1;     // the top rank text from the top edge
inline constexpr int RankInsetBottom = 2;  // the bottom rank text from the bottom edge
inline constexpr int SuitInset = 2;        // the corner suit pictures from the edges
// The top-right suit picture starts this far left of the right edge: the clubs picture
// is two pixels wider than the others.
inline constexpr int SuitRightInset = 23;
inline constexpr int ClubsRightInset = 25;

// Left offset, inside the card, of a centred row of pips.
constexpr int PipRowOffset(int cardWidth, int pips, int pipWidth)
{
    return (cardWidth - pips * pipWidth - PipGap * (pips - 1)) / 2;
}

// Top offset, inside the card, of the centre row of pips.
constexpr int PipCentreOffset(int cardHeight, int pipHeight)
{
    return (cardHeight - pipHeight) / 2;
}

// --- the next-round prompt over cell (1,1) -------------------------------------------

// The box reaches one pixel beyond the card on the left and top, four on the right
// and bottom, so it covers the whole deck pile.
inline constexpr int PromptOutsetLeftTop = 1;
inline constexpr int PromptOutsetRightBottom = 4;
inline constexpr int PromptTextIndent = 8;
inline constexpr int PromptLinePitch = 20;

// --- the table around the cells ------------------------------------------------------

// The three card backs of the deck pile, bottom to top, at (d, d).
inline constexpr int DeckPileOffsets[] = {9, 11, 13};

inline constexpr int CornerEllipse = 25;  // corners of every rounded box

// The score panel box: (W + 10, H + 200) to (W + 414, H + 268), with P = 50. Its top
// is three row pitches below the card tops plus 50.
constexpr int PanelBoxLeft(int cardWidth) { return cardWidth + 10; }
constexpr int PanelBoxRight(int cardWidth) { return cardWidth + 414; }
constexpr int PanelBoxTop(int cardHeight, int rowPitch) { return 3 * rowPitch + cardHeight + 50; }
inline constexpr int PanelBoxHeight = 68;

// The panel's texts: the labels "Round" and "Score", then one column per round and
// the "Total" column, the round numbers on the first line and the scores on the second.
constexpr int PanelLabelX(int cardWidth) { return cardWidth + 15; }
constexpr int PanelRoundX(int cardWidth, int round) { return cardWidth + 65 + 50 * round; }
constexpr int PanelTotalX(int cardWidth) { return cardWidth + 365; }
constexpr int PanelFirstLineY(int cardHeight) { return cardHeight + 210; }
constexpr int PanelSecondLineY(int cardHeight) { return cardHeight + 230; }

// The hand scores, just below the fourth card of each column.
inline constexpr int HandScoreIndent = 30;
constexpr int HandScoreY(int cardHeight) { return cardHeight + 170; }

// The label above the current card: "The Cut" after a count, else "Play...", written
// over eight spaces that start where "Play..." does.
constexpr int CutPlayLabelY(int rowPitch) { return 3 * rowPitch - 15; }
inline constexpr int CutLabelX = 8;
inline constexpr int PlayLabelX = 12;

// The Top 5 box and its lines.
inline constexpr int TopBoxLeft = 60;
inline constexpr int TopBoxTop = 10;
inline constexpr int TopBoxRight = 460;
inline constexpr int TopBoxBottom = 334;
inline constexpr int TopNameX = 120;
inline constexpr int TopScoreX = 360;
inline constexpr int TopNameRight = TopScoreX - 4;  // a longer name is cut off here
inline constexpr int TopHeadingY = 30;
inline constexpr int TopLinePitch = 30;  // entry i at TopHeadingY + i * TopLinePitch
inline constexpr int TopResumeY = 300;

// The WIN banner: tiles of 48 pixels across the rows 4 and 5 of the hands, from
// 4 * P to 4 * P + 24, with the text 4 pixels in.
inline constexpr int BannerTileWidth = 48;
inline constexpr int BannerHeight = 24;
inline constexpr int BannerTextInset = 4;
constexpr int BannerTop(int rowPitch) { return 4 * rowPitch; }

}  // namespace vantrel
