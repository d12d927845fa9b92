#pragma once

// What the player's last action came to, as screen readers hear it: a status bar of
// the table, "Last move", holding one notification whose name is the outcome in words.
// Each outcome shows the notification anew, and a screen reader speaks a notification
// of a status bar when it shows, by its text alone: the one way an application's own
// words are spoken at once by the screen readers of Qt 6.4's desktops, whose bridge
// sends a changed name or description without the text. Neither is drawn: a mouse
// player's table stays as it is; both lie over the whole table, where a screen
// reader's review of the screen finds them.

#include <QAccessibleInterface>
#include <QPointer>

namespace vantrel {

class PaintBox;

// The notification: its name is the last outcome, and it shows while there is one.
class OutcomeNoticeAccessible : public QAccessibleInterface {
public:
    explicit OutcomeNoticeAccessible(PaintBox* box) : box_(box) {}

    bool isValid() const override { return !box_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    QPointer<PaintBox> box_;
};

// The status bar that holds it, the last child of the table.
class OutcomeBarAccessible : public QAccessibleInterface {
public:
    explicit OutcomeBarAccessible(PaintBox* box) : box_(box) {}

    bool isValid() const override { return !box_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override;

private:
    QPointer<PaintBox> box_;
};

}  // namespace vantrel
