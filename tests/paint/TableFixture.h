#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "app/VantrelForm.h"

// A real main window on the offscreen platform, with its stores in a temporary
// folder and the desktop's beep and dialogs replaced, plus helpers that read the
// pixels of its drawing surface.
class TableFixture {
public:
    TableFixture();
    ~TableFixture();

    vantrel::TVantrelForm& form() { return *form_; }
    const QImage& surface() const;
    QColor pixel(int x, int y) const;
    int beeps() const { return beeps_; }

    // Card size and colour scheme through the option operations.
    void useLargeCards(bool large);
    void useAltColors(bool alt);
    // A paint request carried out now: felt, then the whole table.
    void repaint();
    // An empty board: nothing in any cell, no shown scores.
    void clearBoard();

    QColor felt() const;
    QColor panel() const;

private:
    QTemporaryDir dir_;
    std::unique_ptr<vantrel::TVantrelForm> form_;
    int beeps_ = 0;
};

// Exact colours.
QColor Colour(std::uint32_t bgr);

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
