#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

#include "paint/Colours.h"
#include "paint/TableAccess.h"

class QScreen;
class QWindow;

namespace vantrel {

class Canvas;

// The drawing surface of the table. It keeps a retained image the size of its area:
// that image is what the player sees. Drawing through canvas() paints straight onto
// it and shows the changed area; a paint request (Invalidate, first show, resize,
// a new felt colour) clears the image to the felt colour and runs the paint handler
// before the next show, as a window-system repaint does.
//
// It is also the table for the keyboard and for screen readers (access()): it takes
// the keyboard focus, tells screen readers about the places of the table and the one
// the keyboard is on, and draws a focus mark over the table once the player has moved
// the focus with the keys, never into the surface itself.
class PaintBox : public QWidget {
    Q_OBJECT

public:
    using MouseHandler =
        std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;

    explicit PaintBox(QWidget* parent = nullptr);
    ~PaintBox() override;

    void SetPaintHandler(std::function<void()> handler);
    void SetMouseHandlers(MouseHandler down, MouseHandler up);
    void SetFeltColour(const QColor& colour);
    QColor FeltColour() const;

    // Asks for a repaint of the whole surface.
    void Invalidate();

    Canvas& canvas();
    // The visible surface (logical size = widget size; device pixel ratio honoured).
    const QImage& Surface() const;

    // Carries out a pending paint request now, as the next show would: clears the
    // surface to the felt colour and runs the paint handler. Nothing when none is
    // pending.
    void PaintPendingRequest();
    bool PaintRequestPending() const { return paintRequested_; }

    // The width the WIN banner spans: the screen the surface is on, or the surface
    // itself when it is wider.
    int ScreenWidth() const;

    TableAccess& access() { return access_; }
    const TableAccess& access() const { return access_; }
    // Puts the keyboard on one of the focus places, shows the focus mark from now on
    // and tells screen readers.
    void MoveFocus(int place);
    // Tells screen readers what an action came to, at once while the table has the
    // keyboard, else when it gets it back.
    void Announce(const QString& text);
    // Tells screen readers when the Top 5 list or the banner came or went.
    void ReportPlaces();
    // Where the focus mark is drawn around a place's area.
    static QRect FocusMarkArea(const QRect& place);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void AllocateSurface();
    void ShowArea(const QRect& area);
    void ResetCanvasForPaint();
    void FollowWindow();
    void FollowScreen(QScreen* screen);
    void MatchDevicePixelRatio();
    static void Report(const MouseHandler& handler, const QMouseEvent* event);
    void DrawFocusMark(QPainter& painter) const;
    QRect FocusedArea() const;

    QImage surface_;
    std::unique_ptr<Canvas> canvas_;
    std::function<void()> paintHandler_;
    MouseHandler mouseDown_;
    MouseHandler mouseUp_;
    QColor felt_ = ColourOf(NormalColours.felt);
    bool paintRequested_ = true;
    bool painting_ = false;
    TableAccess access_;
    bool announcementWaits_ = false;  // told when the keyboard comes back to the table
    bool focusReportWaits_ = false;   // the place has the keyboard, and is about to say so
    // The window and the screen whose changes of scale the surface follows.
    QPointer<QWindow> followedWindow_;
    QPointer<QScreen> followedScreen_;
};

}  // namespace vantrel
