#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

#include "engine/VantrelGame.h"
#include "paint/Pictures.h"
#include "paint/TableLayout.h"

namespace vantrel {

class Canvas;

// What the options choose for the table: the card size with its back, and the two
// colours (0xBBGGRR).
struct TableLook {
    CardMetrics cards = RegularCardMetrics;
    const QImage* cardBack = nullptr;  // no back: backs paint nothing
    std::uint32_t felt = 0;
    std::uint32_t panel = 0;
};

// One line of the Top 5 list as it is shown.
struct TopEntry {
    QString name;
    int score = 0;
};
inline constexpr int TopEntryCount = 5;
using TopFive = std::array<TopEntry, TopEntryCount>;

// Paints the table from the game's state, which it only reads, straight onto the
// canvas: single cells, the whole table and its parts. Every operation paints at once;
// later drawing covers earlier drawing, so the order of the steps is part of the
// picture. Cheap to make, so it is made for each call.
class TablePainter {
public:
    TablePainter(Canvas& canvas, const VantrelGame& game, const TableLook& look,
                 const Pictures& pictures);

    // One board cell from its cell code (card painting).
    void DrawCell(int cellCode, int column, int row) const;

    // The whole table, as a paint request shows it; the list is shown only while the
    // Top 5 view covers the table.
    void PaintBoxPaint(const TopFive& top) const;
    void DrawBoard(const TopFive& top) const;
    void DrawDeckPile() const;
    void DrawTable() const;
    void DrawPanelBox() const;
    void DrawScorePanel() const;
    void DrawHighScores(const TopFive& top) const;
    void DrawWinBanner() const;

private:
    void DrawFace(int cardCode, int x0, int y0) const;
    void DrawPips(const QImage& pip, int rank, int x0, int y0) const;
    void DrawPipRow(const QImage& pip, int pips, int x0, int y) const;
    void DrawRankTexts(const QString& text, int x0, int y0) const;
    void DrawNextPrompt(int x0, int y0) const;
    void DrawCardBack(int x, int y) const;

    Canvas& canvas_;
    const VantrelGame& game_;
    TableLook look_;
    const Pictures& pictures_;
};

}  // namespace vantrel
