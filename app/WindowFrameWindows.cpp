// The window's outer size and its place on Windows. The sizes the card options give
// are outer sizes, Windows' own frame and caption included. Windows knows the frame as
// soon as the window exists, so the window is made before it is shown, fitted to its
// outer size and centred on the work area (the screen without the task bar): it
// appears where it belongs, at its size, with no jump after the show.
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include "app/VantrelForm.h"

namespace vantrel {

namespace {

QMargins Frame(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

}  // namespace

void TVantrelForm::CentreOnScreen()
{
    winId();  // makes the window, and with it its frame
    FitFrame();
    const QScreen* own = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (own == nullptr) {
        return;
    }
    // A window's position is that of its frame.
    const QRect workArea = own->availableGeometry();
    move(workArea.x() + (workArea.width() - outerWidth_) / 2,
         workArea.y() + (workArea.height() - outerHeight_) / 2);
}

void TVantrelForm::showEvent(QShowEvent* event) { QMainWindow::showEvent(event); }

// A frame that changes (another theme, another screen's scale) keeps the outer size.
void TVantrelForm::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    FitFrame();
}

void TVantrelForm::FitFrame()
{
    const QMargins frame = Frame(*this);
    const QSize size(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (size != knownFrame_) {
        knownFrame_ = size;
        SetOuterSize(outerWidth_, outerHeight_);
    }
}

void TVantrelForm::SetOuterSize(int width, int height)
{
    outerWidth_ = width;
    outerHeight_ = height;
    resize(width - knownFrame_.width(), height - knownFrame_.height());
}

}  // namespace vantrel
