#include "paint/PaintBox.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <utility>

#include "paint/Canvas.h"
#include "paint/TableAccessible.h"
#include "paint/TableFont.h"
#include "paint/TableLayout.h"

namespace vantrel {

namespace {

QSize DeviceSize(const QSize& logical, qreal ratio)
{
    return QSize(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio));
}

}  // namespace

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent),
      canvas_(std::make_unique<Canvas>(
          surface_, [this](const QRect& area) { ShowArea(area); },
          [this] { return ScreenWidth(); }))
{
    LoadTableFonts();
    setFont(TableFont(LargeTextSize));
    // The surface image covers every pixel; the widget has no background of its own.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The table takes the keys: the window gives it the focus when it opens.
    setFocusPolicy(Qt::StrongFocus);
    static const bool accessibleTable = (InstallTableAccessibility(), true);
    Q_UNUSED(accessibleTable);
    AllocateSurface();
}

PaintBox::~PaintBox() { canvas_->End(); }

void PaintBox::SetPaintHandler(std::function<void()> handler)
{
    paintHandler_ = std::move(handler);
}

void PaintBox::SetMouseHandlers(MouseHandler down, MouseHandler up)
{
    mouseDown_ = std::move(down);
    mouseUp_ = std::move(up);
}

void PaintBox::SetFeltColour(const QColor& colour)
{
    if (colour != felt_) {
        felt_ = colour;
        Invalidate();
    }
}

QColor PaintBox::FeltColour() const { return felt_; }

void PaintBox::Invalidate()
{
    paintRequested_ = true;
    update();
}

Canvas& PaintBox::canvas() { return *canvas_; }

const QImage& PaintBox::Surface() const
{
    // A copy taken from here must not change with later drawing: ending the painter
    // makes the next operation detach the surface from such a copy.
    canvas_->End();
    return surface_;
}

int PaintBox::ScreenWidth() const
{
    // The screen the window is on, which need not be the primary one; a surface wider
    // than its screen (a window across two screens) counts as wide as it is.
    const QScreen* own = screen();
    return std::max(own != nullptr ? own->geometry().width() : 0, width());
}

void PaintBox::AllocateSurface()
{
    canvas_->End();
    const qreal ratio = devicePixelRatioF();
    surface_ = QImage(DeviceSize(size(), ratio), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(felt_);
    paintRequested_ = true;
}

void PaintBox::ShowArea(const QRect& area)
{
    // While a paint request is being carried out the whole surface is shown at its
    // end; asking for more would only queue another paint event.
    if (!painting_) {
        update(area);
    }
}

void PaintBox::ResetCanvasForPaint()
{
    Canvas& canvas = *canvas_;
    canvas.SetFontSize(LargeTextSize);
    canvas.SetFontColour(Qt::black);
    canvas.SetBrushColour(felt_);
}

void PaintBox::PaintPendingRequest()
{
    if (!paintRequested_) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (surface_.size() != DeviceSize(size(), ratio) || surface_.devicePixelRatio() != ratio) {
        AllocateSurface();
    }
    paintRequested_ = false;
    canvas_->End();
    surface_.fill(felt_);
    ResetCanvasForPaint();
    painting_ = true;
    struct PaintingEnds {
        bool& flag;
        ~PaintingEnds() { flag = false; }
    } paintingEnds{painting_};
    if (paintHandler_) {
        paintHandler_();
    }
}

bool PaintBox::event(QEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange) {
        MatchDevicePixelRatio();
    }
#endif
    return QWidget::event(event);
}

void PaintBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FollowWindow();
}

// The window the surface is shown in exists from its first show on, and is made anew
// when the surface moves to another window.
void PaintBox::FollowWindow()
{
    QWindow* own = window()->windowHandle();
    if (own == followedWindow_) {
        return;
    }
    if (followedWindow_) {
        disconnect(followedWindow_, nullptr, this, nullptr);
    }
    followedWindow_ = own;
    if (own != nullptr) {
        connect(own, &QWindow::screenChanged, this, &PaintBox::FollowScreen);
        FollowScreen(own->screen());
    }
}

// A screen's scale can change while the window stays on it; the screen then reports a
// new geometry or resolution.
void PaintBox::FollowScreen(QScreen* screen)
{
    if (followedScreen_) {
        disconnect(followedScreen_, nullptr, this, nullptr);
    }
    followedScreen_ = screen;
    if (screen != nullptr) {
        const auto match = [this] { MatchDevicePixelRatio(); };
        connect(screen, &QScreen::geometryChanged, this, match);
        connect(screen, &QScreen::logicalDotsPerInchChanged, this, match);
        connect(screen, &QScreen::physicalDotsPerInchChanged, this, match);
    }
    MatchDevicePixelRatio();
}

// At another ratio the table is painted afresh, not shown blurred or too small from
// the old one.
void PaintBox::MatchDevicePixelRatio()
{
    if (surface_.devicePixelRatio() != devicePixelRatioF()) {
        AllocateSurface();
        update();
    }
}

void PaintBox::paintEvent(QPaintEvent* event)
{
    if (surface_.devicePixelRatio() != devicePixelRatioF()) {
        AllocateSurface();
    }
    if (paintRequested_) {
        const bool wholeArea = event->region().contains(rect());
        PaintPendingRequest();
        if (!wholeArea) {
            update();  // the rest of the fresh table is shown by the next paint event
        }
    }
    canvas_->End();
    QPainter painter(this);
    const qreal ratio = surface_.devicePixelRatio();
    for (const QRect& area : event->region()) {
        const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                            area.height() * ratio);
        painter.drawImage(QRectF(area), surface_, source);
    }
    DrawFocusMark(painter);
}

// --- the keyboard's place ------------------------------------------------------------

QRect PaintBox::FocusMarkArea(const QRect& place) { return place.adjusted(-2, -2, 2, 2); }

QRect PaintBox::FocusedArea() const
{
    const std::vector<TablePlace> places = access_.Places();
    const auto focus = static_cast<std::size_t>(access_.Focus());
    return focus < places.size() ? places[focus].area : QRect();
}

// Two pixels just outside the place, black around white, so that the mark shows on
// the felt of either colour, on the panel and on the cards alike.
void PaintBox::DrawFocusMark(QPainter& painter) const
{
    if (!access_.MarkShown()) {
        return;
    }
    const QRect outer = FocusMarkArea(FocusedArea());
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
}

void PaintBox::MoveFocus(int place)
{
    update(FocusMarkArea(FocusedArea()));
    access_.SetFocus(std::clamp(place, 0, FocusPlaces - 1));
    access_.ShowMark();
    update(FocusMarkArea(FocusedArea()));
    ReportFocusedPlace(this);
}

// What a menu command came to waits for the keyboard to come back from the menu and
// for screen readers to hear of it: they read the table again then, and that would
// cut the words off.
void PaintBox::Announce(const QString& text)
{
    access_.SetAnnouncement(text);
    announcementWaits_ = focusReportWaits_ || !hasFocus();
    if (!announcementWaits_) {
        ReportAnnouncement(this);
    }
}

void PaintBox::ReportPlaces()
{
    if (access_.Listening() && access_.PlacesChanged()) {
        ReportPlacesChanged(this);
    }
}

void PaintBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // After Qt has told of the table's own focus, so that the place is the last word.
    focusReportWaits_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            focusReportWaits_ = false;
            ReportFocusedPlace(this);
            if (std::exchange(announcementWaits_, false)) {
                ReportAnnouncement(this);
            }
        },
        Qt::QueuedConnection);
}

void PaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    AllocateSurface();
}

void PaintBox::Report(const MouseHandler& handler, const QMouseEvent* event)
{
    if (handler) {
        const QPointF at = event->position();
        handler(event->button(), event->modifiers(), qFloor(at.x()), qFloor(at.y()));
    }
}

void PaintBox::mousePressEvent(QMouseEvent* event) { Report(mouseDown_, event); }

// A double click reaches the widget as press, release, double click, release: the
// double click stands for the second press and acts as one.
void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) { Report(mouseDown_, event); }

void PaintBox::mouseReleaseEvent(QMouseEvent* event) { Report(mouseUp_, event); }

}  // namespace vantrel
