#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "RecordingGame.h"
#include "paint/PaintBox.h"
#include "paint/Pictures.h"
#include "paint/TablePainter.h"

// A drawing surface on the offscreen platform with a game without a window, in the
// state the program starts in, and the table painter between them; plus helpers that
// read the pixels of the surface. A paint request paints the whole table, as the
// window's does.
class TableFixture {
public:
    TableFixture();

    // False when the surface was not shown in time; a suite's init() fails on it.
    bool Exposed() const { return exposed_; }
    vantrel::testing::RecordingGame& Game() { return game_; }
    vantrel::PaintBox& Box() { return box_; }
    // The painter over the current look; the Top 5 view shows `top`.
    vantrel::TablePainter Painter() { return {box_.canvas(), game_, look_, pictures_}; }
    const vantrel::Pictures& Pictures() const { return pictures_; }
    const QImage& CardBack() const { return *look_.cardBack; }
    int CardWidth() const { return look_.cards.width; }
    int CardHeight() const { return look_.cards.height; }
    vantrel::TopFive top;

    const QImage& Surface() const { return box_.Surface(); }
    QColor Pixel(int x, int y) const { return Surface().pixelColor(x, y); }

    // Card size and colour scheme, as the two options set them.
    void UseLargeCards(bool large);
    void UseAltColors(bool alt);
    // A paint request carried out now: felt, then the whole table.
    void Repaint();
    // An empty board: nothing in any cell, no shown scores.
    void ClearBoard();

    QColor Felt() const { return vantrel::ColourOf(look_.felt); }
    QColor Panel() const { return vantrel::ColourOf(look_.panel); }

private:
    vantrel::testing::RecordingGame game_;
    vantrel::Pictures pictures_;
    vantrel::TableLook look_;
    vantrel::PaintBox box_;
    bool exposed_ = false;
};

// True when every pixel of the picture appears at (x, y) of the surface.
bool ShowsPicture(const QImage& surface, int x, int y, const QImage& picture);

// True when every pixel of the rectangle has the colour.
bool AllOf(const QImage& surface, const QRect& area, const QColor& colour);

// How many pixels of the rectangle have the colour.
int CountOf(const QImage& surface, const QRect& area, const QColor& colour);

// The text as the table writes it, drawn on its own with the table font: a box of
// the text's width and height in the background colour, the glyphs in the text
// colour, top-left corner at (0, 0).
QImage TextImage(const QString& text, int points, const QColor& ink, const QColor& background);
