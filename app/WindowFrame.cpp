// The window's outer size and its place on the screen. The sizes the card options
// give are outer sizes, frame and caption included, and the window starts centred on
// its screen by that outer size. A window manager puts its frame around the window
// only some time after the first show, and reports it to nobody in particular; so the
// window watches for it for a short while after it is shown, and as soon as a frame
// is there the client size is fitted to it and the window centred again. Without a
// window manager no frame ever comes, and the window stays where it was placed.
// Under Wayland the window neither moves nor waits: Qt draws the frame itself, so its
// size is known once the window is shown, and the compositor places the window.
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "app/VantrelForm.h"
#include "platform/WindowSystem.h"

namespace vantrel {

namespace {

constexpr int FrameWatchMilliseconds = 2000;
constexpr int FrameWatchInterval = 20;

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
    move(available.x() + (available.width() - outerWidth_) / 2,
         available.y() + (available.height() - outerHeight_) / 2);
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
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame != knownFrame_) {
        knownFrame_ = frame;
        SetOuterSize(outerWidth_, outerHeight_);
    }
}

void TVantrelForm::SetOuterSize(int width, int height)
{
    outerWidth_ = width;
    outerHeight_ = height;
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
}

}  // namespace vantrel
