#include "auxiliary/SplashForm.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include "auxiliary/AccessibleParts.h"
#include "auxiliary/Help.h"
#include "auxiliary/Look.h"
#include "auxiliary/WebSite.h"
#include "platform/WindowSystem.h"

namespace vantrel {

namespace {

constexpr int ClientWidth = 280;
constexpr int ClientHeight = 140;

bool IsLeftClickInside(QWidget* widget, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

}  // namespace

TsplashForm::TsplashForm(QWidget* owner, SplashMode mode, const HelpOpener& help)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      SplashMode_(mode),
      help_(help)
{
    setObjectName(QStringLiteral("splashForm"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(AuxiliaryFont(11));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    CreateComponents();
    lblEdition->setText(tr("Freeware Edition"));
    btnClose->setVisible(SplashMode_ == SplashMode::About);
    if (SplashMode_ == SplashMode::About) {
        Label3->setCursor(Qt::PointingHandCursor);
    }
    NameForScreenReaders();
}

// The window, its picture and its "X" read by name. Only the About window's link is
// live, so only there does it read as a link, take the keyboard (Tab reaches it, and
// it has it from the start) and open with Space or Return. Screen readers read a
// window's short labels only as its description: the version and the edition.
void TsplashForm::NameForScreenReaders()
{
    const bool about = SplashMode_ == SplashMode::About;
    setAccessibleName(about ? tr("About Vantrel") : QStringLiteral("Vantrel"));
    setAccessibleDescription(lblProduct->text() + QStringLiteral(", ") + lblEdition->text());
    ReadWithRole(this, about ? QAccessible::Dialog : QAccessible::Window);
    Image1->setAccessibleName(tr("Cribbage board and playing cards"));
    btnClose->setAccessibleName(tr("Close"));
    if (about) {
        Label3->setFocusPolicy(Qt::StrongFocus);
        ReadAsLink(Label3, [this] { Label3Click(); });
    }
}

void TsplashForm::CreateComponents()
{
    // Created bottom to top: each later component is painted over the earlier ones.
    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/splash")));
    Image1->installEventFilter(this);

    btnClose = new QPushButton(QStringLiteral("X"), this);
    btnClose->setGeometry(258, 6, 16, 16);
    btnClose->setFont(AuxiliaryFont(11, true));
    btnClose->setFocusPolicy(Qt::NoFocus);
    connect(btnClose, &QPushButton::clicked, this, &TsplashForm::btnCloseClick);

    lblEdition =
        CreateLabel({8, 56, 265, 22}, AuxiliaryFont(13, true), ColourOf(LinkBlue), QString());
    lblEdition->setWordWrap(true);
    // Black, the desktop's usual window-text colour, rather than the theme's: over the
    // light picture a dark theme's light text could not be read.
    lblProduct = CreateLabel({8, 32, 263, 25}, AuxiliaryFont(16, true), ColourOf(Black),
                             QStringLiteral("Vantrel 8.00"));
    Label3 = CreateLabel({66, 112, 149, 13}, AuxiliaryFont(11, false, true), ColourOf(LinkBlue),
                         HomePageAddress());
    Label3->installEventFilter(this);
}

QLabel* TsplashForm::CreateLabel(const QRect& bounds, const QFont& font, const QColor& colour,
                                 const QString& text)
{
    // A label paints no background of its own, so the picture shows around its text.
    auto* label = new QLabel(text, this);
    label->setGeometry(bounds);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The window stands on the button role, so a label would take its text colour from
    // the button-text role; it is drawn in its own window-text colour instead.
    label->setForegroundRole(QPalette::WindowText);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

void TsplashForm::Image1Click() { close(); }

void TsplashForm::btnCloseClick() { close(); }

void TsplashForm::Label3Click()
{
    if (SplashMode_ == SplashMode::About) {
        help_.OpenDocument(HomePageAddress(), QString(), QString(), ShowNormalActivated);
    }
}

bool TsplashForm::eventFilter(QObject* watched, QEvent* event)
{
    if (IsOwnersFirstExposure(watched, event)) {
        watched->removeEventFilter(this);
        // Queued, so that the owner's first frame, drawn in answer to this event, is on
        // the screen first.
        QMetaObject::invokeMethod(
            this, [this] { ShowAsChildOfOwner(); }, Qt::QueuedConnection);
    }
    if (watched == Image1 && IsLeftClickInside(Image1, event)) {
        Image1Click();
        return true;
    }
    if (watched == Label3 && IsLeftClickInside(Label3, event)) {
        Label3Click();
        return true;
    }
    if (FollowsLinkOnKey(watched, event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Escape closes the About window as its X button does; the splash has no close of its
// own but its picture. Space and Return follow the link when it has the keyboard.
void TsplashForm::keyPressEvent(QKeyEvent* event)
{
    if (SplashMode_ == SplashMode::About && event->key() == Qt::Key_Escape) {
        btnCloseClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TsplashForm::FollowsLinkOnKey(QObject* watched, QEvent* event)
{
    if (watched != Label3 || SplashMode_ != SplashMode::About ||
        event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    Label3Click();
    return true;
}

void TsplashForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit Hidden();
}

QRect TsplashForm::OwnerBounds() const
{
    QWidget* owner = parentWidget();
    if (owner == nullptr || !owner->isVisible()) {
        return MainFormInitialBounds;
    }
    return owner->frameGeometry();
}

QPoint TsplashForm::CentredPosition(const QRect& ownerBounds) const
{
    return {ownerBounds.left() + (ownerBounds.width() - width()) / 2,
            ownerBounds.top() + (ownerBounds.height() - height()) / 2};
}

bool TsplashForm::IsOwnersFirstExposure(QObject* watched, QEvent* event) const
{
    const QWidget* owner = parentWidget();
    return event->type() == QEvent::Expose && owner != nullptr &&
           watched == owner->window()->windowHandle() &&
           owner->window()->windowHandle()->isExposed();
}

void TsplashForm::ShowCentred()
{
    if (CompositorPlacesWindows()) {
        ShowAsChildOfOwner();
        return;
    }
    move(CentredPosition(OwnerBounds()));
    show();
}

// Only a window on the screen can have children: while the owner's window is not
// there yet, this one waits for it to be exposed.
void TsplashForm::ShowAsChildOfOwner()
{
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr) {
        show();
        return;
    }
    owner->winId();
    QWindow* ownerWindow = owner->windowHandle();
    if (!ownerWindow->isExposed()) {
        ownerWindow->installEventFilter(this);
        return;
    }
    winId();
    windowHandle()->setTransientParent(ownerWindow);
    show();
}

void TsplashForm::ShowModal()
{
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &TsplashForm::Hidden, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    ShowCentred();
    // Without a window manager nothing would give it the keyboard, and Escape. A
    // Wayland compositor activates a new window itself.
    if (!CompositorPlacesWindows()) {
        activateWindow();
    }
    if (isVisible()) {
        loop.exec();
    }
}

}  // namespace vantrel
