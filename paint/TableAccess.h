#pragma once

// The table for players who use the keyboard and a screen reader: the places it is
// made of (TablePlaces.h), the one the keyboard is on, and what the last action came
// to. The drawing surface owns one; its accessible object (TableAccessible.h) reads it
// and the window feeds it.

#include <QAccessible>
#include <QString>

#include <functional>
#include <vector>

#include "paint/TablePlace.h"

namespace vantrel {

class TableAccess {
public:
    using PlacesSource = std::function<std::vector<TablePlace>()>;
    // Acts on a place as a click there would: the index of one of the focus places.
    using Activation = std::function<void(int place)>;

    void SetPlacesSource(PlacesSource source) { source_ = std::move(source); }
    void SetActivation(Activation activation) { activate_ = std::move(activation); }

    // The places as the table shows them now (none before a source is set).
    std::vector<TablePlace> Places() const
    {
        return source_ ? source_() : std::vector<TablePlace>();
    }
    void Activate(int place) const
    {
        if (activate_) activate_(place);
    }

    // The keyboard's place, 0 .. FocusPlaces - 1 in the order of the table's places.
    int Focus() const { return focus_; }
    void SetFocus(int place) { focus_ = place; }

    // The focus mark is drawn once the player has moved the focus with the keys in
    // this run, so that a mouse player's table stays as it is.
    bool MarkShown() const { return markShown_; }
    void ShowMark() { markShown_ = true; }

    // Whether a screen reader listens, so that the table is worth putting into words:
    // Qt's own answer unless a test listens in its place.
    bool Listening() const { return listening_ ? listening_() : QAccessible::isActive(); }
    void SetListening(std::function<bool()> listening) { listening_ = std::move(listening); }

    // What the last action came to, as screen readers were last told.
    const QString& Announcement() const { return announcement_; }
    void SetAnnouncement(const QString& text) { announcement_ = text; }

    // Which places screen readers were last told of; true when that has changed.
    bool PlacesChanged()
    {
        std::vector<PlaceKind> kinds;
        for (const TablePlace& place : Places()) kinds.push_back(place.kind);
        const bool changed = kinds != toldKinds_;
        toldKinds_ = std::move(kinds);
        return changed;
    }

private:
    PlacesSource source_;
    Activation activate_;
    int focus_ = 0;
    bool markShown_ = false;
    QString announcement_;
    std::vector<PlaceKind> toldKinds_;
    std::function<bool()> listening_;
};

}  // namespace vantrel
