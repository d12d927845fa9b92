#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>
#include <map>
#include <memory>

#include "paint/TableLayout.h"

namespace vantrel {

// The drawing operations of the table, on the surface image of a PaintBox.
// Rectangles are given as left, top, right, bottom with the right and bottom edges
// excluded. Nothing is antialiased, so every pixel is exact. Each operation paints
// at once and reports the rectangle it touched, so the widget shows just that part.
// Pen, brush and font settings persist between operations until changed.
class Canvas {
public:
    using ShowArea = std::function<void(const QRect& area)>;

    // screenWidth tells the width of the screen the surface is on; without one, the
    // primary screen's.
    Canvas(QImage& surface, ShowArea showArea, std::function<int()> screenWidth = {});
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void SetPenColour(const QColor& colour) { penColour_ = colour; }
    void SetPenWidth(int width) { penWidth_ = width; }
    void SetBrushColour(const QColor& colour) { brushColour_ = colour; }
    // Point size of the table's bold face (points at 96 pixels per inch).
    void SetFontSize(int points);
    void SetFontColour(const QColor& colour) { fontColour_ = colour; }

    QColor PenColour() const { return penColour_; }
    int PenWidth() const { return penWidth_; }
    QColor BrushColour() const { return brushColour_; }
    int FontSize() const { return fontSize_; }
    QColor FontColour() const { return fontColour_; }

    // Fills the rectangle with the brush colour.
    void FillRect(int left, int top, int right, int bottom);
    // A one-pixel border along the inside of the rectangle, in the brush colour.
    void FrameRect(int left, int top, int right, int bottom);
    // Outlined with the pen and filled with the brush; the corners are quarters of an
    // ellipse of the given size.
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    // A picture at its own size with its top-left corner at (x, y), opaque.
    void Draw(int x, int y, const QImage& picture);
    // Text with its top-left corner at (x, y) on a box of the brush colour.
    void TextOut(int x, int y, const QString& text);
    // Text and box as TextOut writes them, with nothing drawn at or right of `right`.
    void TextOutLeftOf(int right, int x, int y, const QString& text);
    // The rectangle filled with the brush colour, the text at (x, y) clipped to it.
    void TextRect(int left, int top, int right, int bottom, int x, int y, const QString& text);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);

    // Width of the whole screen in pixels; tests may put a fixed width in its place,
    // and an empty source brings back the one given at construction.
    int ScreenWidth() const;
    void SetScreenWidthSource(std::function<int()> source);

    // Ends the painter on the surface; the next operation starts it again. Called
    // before the surface is replaced or handed out.
    void End();

private:
    struct FontEntry {
        QFont font;
        QFontMetrics metrics;
        int ascent;
    };

    QPainter& Painter();
    const FontEntry& CurrentFont();
    bool Visible(const QRect& area) const;
    void Shown(const QRect& area);
    void WriteText(int x, int y, const QString& text);

    QImage& surface_;
    ShowArea showArea_;
    std::unique_ptr<QPainter> painter_;
    std::function<int()> ownScreenWidth_;
    std::function<int()> screenWidth_;

    QColor penColour_{Qt::black};
    int penWidth_ = 1;
    QColor brushColour_{Qt::white};
    QColor fontColour_{Qt::black};
    int fontSize_ = LargeTextSize;

    std::map<int, FontEntry> fonts_;
    const FontEntry* currentFont_ = nullptr;
    const FontEntry* painterFont_ = nullptr;
};

}  // namespace vantrel
