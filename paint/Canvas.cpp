#include "paint/Canvas.h"

#include <QGuiApplication>
#include <QPen>
#include <QScreen>
#include <QtMath>

#include <utility>

#include "paint/TableFont.h"

namespace vantrel {

namespace {

// A rectangle of the table's convention: right and bottom edges excluded.
QRect Area(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

int PrimaryScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

}  // namespace

Canvas::Canvas(QImage& surface, ShowArea showArea, std::function<int()> screenWidth)
    : surface_(surface),
      showArea_(std::move(showArea)),
      ownScreenWidth_(screenWidth ? std::move(screenWidth)
                                  : std::function<int()>(PrimaryScreenWidth)),
      screenWidth_(ownScreenWidth_)
{
}

Canvas::~Canvas() { End(); }

void Canvas::End()
{
    painter_.reset();
    painterFont_ = nullptr;
}

QPainter& Canvas::Painter()
{
    // One painter serves every operation until the surface changes: starting a
    // painter per operation would cost more than most of the operations themselves.
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&surface_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painterFont_ = nullptr;
    }
    return *painter_;
}

void Canvas::SetFontSize(int points)
{
    if (points != fontSize_) {
        fontSize_ = points;
        currentFont_ = nullptr;
    }
}

const Canvas::FontEntry& Canvas::CurrentFont()
{
    if (currentFont_ == nullptr) {
        auto found = fonts_.find(fontSize_);
        if (found == fonts_.end()) {
            const QFont font = TableFont(fontSize_);
            const QFontMetrics metrics(font);
            found = fonts_.emplace(fontSize_, FontEntry{font, metrics, metrics.ascent()}).first;
        }
        currentFont_ = &found->second;
    }
    return *currentFont_;
}

bool Canvas::Visible(const QRect& area) const
{
    if (surface_.isNull() || area.isEmpty()) {
        return false;
    }
    const QSizeF size = surface_.deviceIndependentSize();
    return area.intersects(QRect(0, 0, qCeil(size.width()), qCeil(size.height())));
}

void Canvas::Shown(const QRect& area)
{
    if (showArea_) {
        showArea_(area);
    }
}

void Canvas::FillRect(int left, int top, int right, int bottom)
{
    const QRect area = Area(left, top, right, bottom);
    if (!Visible(area)) {
        return;
    }
    Painter().fillRect(area, brushColour_);
    Shown(area);
}

void Canvas::FrameRect(int left, int top, int right, int bottom)
{
    const QRect area = Area(left, top, right, bottom);
    if (!Visible(area)) {
        return;
    }
    QPainter& painter = Painter();
    painter.fillRect(QRect(left, top, area.width(), 1), brushColour_);
    painter.fillRect(QRect(left, bottom - 1, area.width(), 1), brushColour_);
    painter.fillRect(QRect(left, top, 1, area.height()), brushColour_);
    painter.fillRect(QRect(right - 1, top, 1, area.height()), brushColour_);
    Shown(area);
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                       int ellipseHeight)
{
    const QRect area = Area(left, top, right, bottom);
    if (!Visible(area)) {
        return;
    }
    QPainter& painter = Painter();
    painter.setPen(QPen(penColour_, penWidth_));
    painter.setBrush(brushColour_);
    // An aliased outline of a w x h rectangle covers w + 1 by h + 1 pixels; one less
    // keeps the outline on the last column and row inside the rectangle.
    painter.drawRoundedRect(QRect(left, top, area.width() - 1, area.height() - 1),
                            ellipseWidth / 2.0, ellipseHeight / 2.0, Qt::AbsoluteSize);
    Shown(area);
}

void Canvas::Draw(int x, int y, const QImage& picture)
{
    const QRect area(QPoint(x, y), picture.size());
    if (picture.isNull() || !Visible(area)) {
        return;
    }
    QPainter& painter = Painter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Shown(area);
}

void Canvas::WriteText(int x, int y, const QString& text)
{
    const FontEntry& font = CurrentFont();
    QPainter& painter = Painter();
    if (painterFont_ != &font) {
        painter.setFont(font.font);
        painterFont_ = &font;
    }
    painter.setPen(fontColour_);
    painter.drawText(QPoint(x, y + font.ascent), text);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    const QRect area(x, y, TextWidth(text), TextHeight(text));
    if (!Visible(area)) {
        return;
    }
    Painter().fillRect(area, brushColour_);
    WriteText(x, y, text);
    Shown(area);
}

void Canvas::TextOutLeftOf(int right, int x, int y, const QString& text)
{
    const FontEntry& font = CurrentFont();
    const QRect box(x, y, TextWidth(text), TextHeight(text));
    const QRect leftOfCut(0, 0, right, qCeil(surface_.deviceIndependentSize().height()));
    // Some glyphs reach past the box, such as the foot of "|" or the left of a leading
    // "î"; they keep those pixels, as TextOut draws them, and are shown with the box.
    const QRect ink = font.metrics.boundingRect(text).translated(x, y + font.ascent);
    const QRect area = box.united(ink.adjusted(-1, -1, 1, 1)).intersected(leftOfCut);
    if (box.isEmpty() || !Visible(area)) {
        return;
    }
    QPainter& painter = Painter();
    painter.setClipRect(leftOfCut);
    painter.fillRect(box, brushColour_);
    WriteText(x, y, text);
    painter.setClipping(false);
    Shown(area);
}

void Canvas::TextRect(int left, int top, int right, int bottom, int x, int y, const QString& text)
{
    const QRect area = Area(left, top, right, bottom);
    if (!Visible(area)) {
        return;
    }
    QPainter& painter = Painter();
    painter.fillRect(area, brushColour_);
    painter.setClipRect(area);
    WriteText(x, y, text);
    painter.setClipping(false);
    Shown(area);
}

int Canvas::TextWidth(const QString& text) { return CurrentFont().metrics.horizontalAdvance(text); }

int Canvas::TextHeight(const QString& /*text*/) { return CurrentFont().metrics.height(); }

int Canvas::ScreenWidth() const { return screenWidth_ ? screenWidth_() : 0; }

void Canvas::SetScreenWidthSource(std::function<int()> source)
{
    screenWidth_ = source ? std::move(source) : ownScreenWidth_;
}

}  // namespace vantrel
