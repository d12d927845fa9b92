// The window's outer size and its place on the screen. The sizes the card options
// give are outer sizes, frame and caption included, and the window starts centred on
// its screen by that outer size. A window manager puts its frame around the window
// only some time after the first show, and reports it to nobody in particular; so the
// window watches for it for a short while once it is on the screen, and as soon as a
// frame is there the client size is fitted to it and the window centred again. Without
// a window manager no frame ever comes, and the window stays where it was placed.
// Under Wayland the window neither moves nor waits: Qt draws the frame itself, so its
// size is known once the window is shown, and the compositor places the window.
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include "app/VantrelForm.h"
#include "platform/WindowSystem.h"

namespace vantrel {

namespace {

constexpr int FrameWatchMilliseconds = 2000;
constexpr int FrameWatchInterval = 20;

// The frame as the window system reports it now. Qt's own copy of it for the widget
// is refreshed only by a move or a resize of the window, so a frame that came after
// the window's last move is missing from that copy.
QMargins CurrentFrame(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QSize SizeOf(const QMargins& frame)
{
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

}  // namespace

void TVantrelForm::CentreOnScreen()
{
    if (CompositorPlacesWindows()) {
        return;
    }
    const QScreen* own = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (own == nullptr) {
        return;
    }
    const QRect available = own->availableGeometry();
    const QPoint outer(available.x() + (available.width() - outerWidth_) / 2,
                       available.y() + (available.height() - outerHeight_) / 2);
    // move() places the window by Qt's copy of the frame: the difference to the
    // current frame is added, so that the frame itself stands at the place.
    const QMargins frame = CurrentFrame(*this);
    move(outer + QPoint(frame.left(), frame.top()) - (geometry().topLeft() - pos()));
}

void TVantrelForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (CompositorPlacesWindows()) {
        // The frame exists once the show has created the window's surface, just after
        // this event.
        QMetaObject::invokeMethod(
            this, [this] { FitFrame(); }, Qt::QueuedConnection);
        return;
    }
    if (!frameWatch_) {
        frameWatch_ = new QTimer(this);
        frameWatch_->setInterval(FrameWatchInterval);
        connect(frameWatch_, &QTimer::timeout, this, [this] { WatchForFrame(); });
        frameWatchClock_.start();
        frameWatch_->start();
    }
}

// The first frame seen centres the window once, whether this watch or a move of the
// window noticed it first.
void TVantrelForm::WatchForFrame()
{
    // A window manager frames a window before it maps it, and on a busy machine that
    // may take longer than the watch: the watch's time counts from the moment the
    // window is on the screen.
    if (!windowHandle()->isExposed()) {
        frameWatchClock_.restart();
        return;
    }
    FitFrame();
    if (!knownFrame_.isEmpty()) {
        CentreOnScreen();
        frameWatch_->stop();
    } else if (frameWatchClock_.hasExpired(FrameWatchMilliseconds)) {
        frameWatch_->stop();
    }
}

void TVantrelForm::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    FitFrame();
}

// The size is fitted again whenever the frame changes, so the outer size stays.
void TVantrelForm::FitFrame()
{
    const QSize frame = SizeOf(CurrentFrame(*this));
    if (frame != knownFrame_) {
        knownFrame_ = frame;
        SetOuterSize(outerWidth_, outerHeight_);
    }
}

void TVantrelForm::SetOuterSize(int width, int height)
{
    outerWidth_ = width;
    outerHeight_ = height;
    const QSize frame = SizeOf(CurrentFrame(*this));
    resize(width - frame.width(), height - frame.height());
}

}  // namespace vantrel
