#include "TableFixture.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include "paint/Canvas.h"
#include "paint/TableFont.h"

namespace {

// Room for the large cards' table, as in the program's window.
constexpr int SurfaceWidth = 580;
constexpr int SurfaceHeight = 410;
// A surface not shown by then fails its case at once, far short of the suite's limit.
constexpr int ExposeMilliseconds = 5000;

}  // namespace

TableFixture::TableFixture()
{
    pictures_.Load();
    game_.ResetGameState();
    UseLargeCards(false);
    UseAltColors(false);
    box_.resize(SurfaceWidth, SurfaceHeight);
    box_.SetPaintHandler([this] { Painter().PaintBoxPaint(top); });
    box_.show();
    exposed_ = QTest::qWaitForWindowExposed(&box_, ExposeMilliseconds);
    QCoreApplication::processEvents();
    // Wide enough for the large cards and a 1024-pixel banner.
    box_.canvas().SetScreenWidthSource([] { return 1024; });
}

void TableFixture::UseLargeCards(bool large)
{
    look_.cards = large ? vantrel::LargeCardMetrics : vantrel::RegularCardMetrics;
    look_.cardBack = large ? &pictures_.LCBmp : &pictures_.RCBmp;
}

void TableFixture::UseAltColors(bool alt)
{
    const vantrel::ColourScheme& colours = alt ? vantrel::AlternateColours : vantrel::NormalColours;
    look_.felt = colours.felt;
    look_.panel = colours.panel;
    box_.SetFeltColour(vantrel::ColourOf(colours.felt));
}

void TableFixture::Repaint()
{
    box_.Invalidate();
    box_.PaintPendingRequest();
}

void TableFixture::ClearBoard()
{
    game_.Board.Fill(vantrel::Nothing);
    for (int c = 1; c <= vantrel::CribColumn; ++c) {
        game_.ScoreTable(c, vantrel::ShownScoreColumn) = vantrel::NoScore;
    }
}

bool ShowsPicture(const QImage& surface, int x, int y, const QImage& picture)
{
    if (picture.isNull()) {
        return false;
    }
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            if (surface.pixel(x + px, y + py) != picture.pixel(px, py)) {
                qWarning("picture differs at (%d, %d)", x + px, y + py);
                return false;
            }
        }
    }
    return true;
}

bool AllOf(const QImage& surface, const QRect& area, const QColor& colour)
{
    return CountOf(surface, area, colour) == area.width() * area.height();
}

int CountOf(const QImage& surface, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += surface.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QImage TextImage(const QString& text, int points, const QColor& ink, const QColor& background)
{
    const QFont font = vantrel::TableFont(points);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text), metrics.height(), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    return image;
}
