#pragma once

// Where things stand on the table, in pixels of the drawing surface. Pure arithmetic,
// shared by painting and mouse input.
namespace vantrel {

inline constexpr int TableMargin = 10;  // left and top margin, and the gap between columns
inline constexpr int PipGap = 3;        // white between neighbouring pips

// Left edge of board column 1..6.
constexpr int CellX(int column, int cardWidth)
{
    return (column - 1) * (cardWidth + TableMargin) + TableMargin;
}

// Top edge of board row 1..5.
constexpr int CellY(int row, int rowPitch)
{
    return (row - 1) * rowPitch + TableMargin;
}

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

}  // namespace vantrel
