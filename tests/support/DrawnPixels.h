#pragma once

// What a window draws, read back pixel by pixel: a window shown and grabbed, and
// pixels counted in a child's rectangle.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace vantrel::testing {

// The window as the player sees it, once it is on screen.
inline QImage ShownImage(QWidget* window)
{
    window->show();
    // A window that never comes ends the suite with a message, not with pixels of nothing.
    if (!QTest::qWaitForWindowExposed(window, 5000)) {
        qFatal("the window %s was not shown within 5 s", qPrintable(window->objectName()));
    }
    return window->grab().toImage();
}

// Where a child stands in its window's image.
inline QRect RectIn(const QWidget* window, const QWidget* child)
{
    return {child->mapTo(window, QPoint(0, 0)), child->size()};
}

inline void ForEachPixel(const QImage& image, const QRect& area,
                         const std::function<void(const QColor&)>& visit)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            visit(image.pixelColor(x, y));
        }
    }
}

inline int CountPixels(const QImage& image, const QRect& area,
                       const std::function<bool(const QColor&)>& test)
{
    int count = 0;
    ForEachPixel(image, area, [&](const QColor& colour) { count += test(colour) ? 1 : 0; });
    return count;
}

// The colour that covers most of the rectangle: its ground.
inline QColor MostCommonColour(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    ForEachPixel(image, area, [&](const QColor& colour) { ++counts[colour.rgb()]; });
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor::fromRgb(most.key());
}

// Text and line pixels in the link colour, with room for the edges of smoothed glyphs.
inline bool IsBlue(const QColor& colour)
{
    return colour.blue() >= 200 && colour.red() <= 60 && colour.green() <= 60;
}

// Pixels a reader takes for dark text.
inline bool IsDark(const QColor& colour) { return qGray(colour.rgb()) < 80; }

}  // namespace vantrel::testing
