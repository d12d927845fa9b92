#pragma once

#include <QRect>
#include <QWidget>

class QLabel;
class QPushButton;

namespace vantrel {

class HelpOpener;

enum class SplashMode { Splash, About };

// The main window's bounds before it has been sized and placed: where its form
// starts out. The start-up splash is shown before that happens and centres on these.
inline constexpr QRect MainFormInitialBounds{331, 111, 333, 267};

// The small borderless window shown at start-up (splash mode) and by
// "&About Vantrel" (About mode). Same layout in both; only the About mode shows the
// "X" button and makes the home-page link live, which opens through help. The labels
// let clicks through to the window itself, so only the picture and "X" close it.
class TsplashForm : public QWidget {
    Q_OBJECT

public:
    TsplashForm(QWidget* owner, SplashMode mode, const HelpOpener& help);

    SplashMode Mode() const { return SplashMode_; }

    // Shows the window without waiting, centred over its owner as the owner stands
    // now (over MainFormInitialBounds while the owner is not yet on screen). Under
    // Wayland it becomes a transient child of the owner's window instead, which the
    // compositor places it over, as soon as that window is on the screen.
    void ShowCentred();
    // Shows it the same way, modally, and returns once it has been closed.
    void ShowModal();

    // Where the window goes when centred over an owner with these outer bounds.
    QPoint CentredPosition(const QRect& ownerBounds) const;

    QLabel* Image1 = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* lblEdition = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* Label3 = nullptr;

    void Image1Click();
    void btnCloseClick();
    void Label3Click();

signals:
    void Hidden();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateComponents();
    void NameForScreenReaders();
    QLabel* CreateLabel(const QRect& bounds, const QFont& font, const QColor& colour,
                        const QString& text);
    QRect OwnerBounds() const;
    void ShowAsChildOfOwner();
    bool IsOwnersFirstExposure(QObject* watched, QEvent* event) const;
    // Follows the link for Space or Return pressed on it; true when it did.
    bool FollowsLinkOnKey(QObject* watched, QEvent* event);

    SplashMode SplashMode_;
    const HelpOpener& help_;
};

}  // namespace vantrel
