#pragma once

// The drawing surface as screen readers see it: one object, "Table", whose children
// are the places of the table, each with its name, what it shows now, its rectangle
// on the screen and, for the deck and the hands, a press action. Nothing is built
// until an assistive technology asks: Qt calls the factory on demand.

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>

#include <array>
#include <optional>

#include "paint/TablePlace.h"

namespace vantrel {

class PaintBox;

// Lets Qt make the table's accessible object when a screen reader asks for it.
void InstallTableAccessibility();

// Tells screen readers that the keyboard is on another place, or what the last action
// came to there (the place's description, which then starts with it). Nothing is made
// or sent while no screen reader listens.
void ReportFocusedPlace(PaintBox* box);
void ReportAnnouncement(PaintBox* box);
// Tells screen readers that the places of the table changed (Top 5 or WIN came or went).
void ReportPlacesChanged(PaintBox* box);

// The accessible object of one place; it stays the same object while the place is
// shown, so a screen reader can follow it.
class TablePlaceAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TablePlaceAccessible(PaintBox* box, PlaceKind kind) : box_(box), kind_(kind) {}

    bool isValid() const override;
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
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    // The place as the table shows it now, with its index among the places shown;
    // nothing while it is not shown. Each query reads the table once.
    struct Shown {
        int index;
        TablePlace place;
    };
    std::optional<Shown> Find() const;
    bool Pressable() const;

    QPointer<PaintBox> box_;
    PlaceKind kind_;
};

class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(PaintBox* box);
    ~TableAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // The place's object, made and registered with Qt the first time it is asked for.
    QAccessibleInterface* PlaceInterface(PlaceKind kind) const;
    // The status bar with the last move, and its notification (OutcomeAccessible.h).
    QAccessibleInterface* OutcomeBar() const;
    QAccessibleInterface* OutcomeNotice() const;

private:
    PaintBox* box() const;
    QAccessibleInterface* Registered(QAccessible::Id& id,
                                     QAccessibleInterface* (*make)(PaintBox*)) const;

    mutable std::array<QAccessible::Id, 10> ids_{};  // by PlaceKind; 0: not made yet
    mutable QAccessible::Id barId_ = 0;
    mutable QAccessible::Id noticeId_ = 0;
};

}  // namespace vantrel
