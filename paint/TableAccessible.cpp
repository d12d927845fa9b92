#include "paint/TableAccessible.h"

#include <QWidget>
#include <QWindow>

#include "paint/OutcomeAccessible.h"
#include "paint/PaintBox.h"
#include "paint/Speech.h"

namespace vantrel {

namespace {

QAccessibleInterface* TableFactory(const QString& /*className*/, QObject* object)
{
    if (auto* box = qobject_cast<PaintBox*>(object)) {
        return new TableAccessible(box);
    }
    return nullptr;
}

bool IsHand(PlaceKind kind) { return kind >= PlaceKind::Hand1 && kind <= PlaceKind::Hand4; }

QRect OnScreen(const PaintBox* box, const QRect& area)
{
    return QRect(box->mapToGlobal(area.topLeft()), area.size());
}

}  // namespace

void InstallTableAccessibility() { QAccessible::installFactory(TableFactory); }

namespace {

// The accessible object of the place the keyboard is on, when a screen reader listens.
QAccessibleInterface* FocusedPlace(PaintBox* box)
{
    if (!QAccessible::isActive() || !box->hasFocus()) {
        return nullptr;
    }
    auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(box));
    return table != nullptr ? table->child(box->access().Focus()) : nullptr;
}

}  // namespace

void ReportFocusedPlace(PaintBox* box)
{
    if (QAccessibleInterface* place = FocusedPlace(box)) {
        QAccessibleEvent event(place, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void ReportPlacesChanged(PaintBox* box)
{
    if (QAccessibleInterface* table = QAccessible::queryAccessibleInterface(box)) {
        QAccessibleEvent event(table, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

void ReportAnnouncement(PaintBox* box)
{
    if (!QAccessible::isActive()) {
        return;
    }
    auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(box));
    if (table == nullptr) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // This bridge sends the words themselves, which the screen readers of its time speak.
    QAccessibleAnnouncementEvent announced(table->OutcomeNotice(), box->access().Announcement());
    QAccessible::updateAccessibility(&announced);
#else
    QAccessibleEvent shown(table->OutcomeNotice(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

// --- one place -------------------------------------------------------------------

std::optional<TablePlaceAccessible::Shown> TablePlaceAccessible::Find() const
{
    if (!box_) {
        return std::nullopt;
    }
    const std::vector<TablePlace> places = box_->access().Places();
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].kind == kind_) {
            return Shown{static_cast<int>(i), places[i]};
        }
    }
    return std::nullopt;
}

bool TablePlaceAccessible::isValid() const { return Find().has_value(); }

QWindow* TablePlaceAccessible::window() const
{
    return box_ ? box_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TablePlaceAccessible::parent() const
{
    return box_ ? QAccessible::queryAccessibleInterface(box_.data()) : nullptr;
}

QString TablePlaceAccessible::text(QAccessible::Text t) const
{
    const std::optional<Shown> shown = Find();
    if (!shown) {
        return {};
    }
    const TablePlace& place = shown->place;
    switch (t) {
        case QAccessible::Name:
            return place.name;
        case QAccessible::Description:
            return place.description;
        default:
            return {};
    }
}

QRect TablePlaceAccessible::rect() const
{
    const std::optional<Shown> shown = Find();
    return shown ? OnScreen(box_, shown->place.area) : QRect();
}

QAccessible::Role TablePlaceAccessible::role() const
{
    switch (kind_) {
        case PlaceKind::Deck:
            return QAccessible::Button;
        case PlaceKind::CutCard:
            return QAccessible::Graphic;
        case PlaceKind::TopFive:
        case PlaceKind::Win:
            return QAccessible::StaticText;
        default:
            // The hands and the crib, cards stacked, and the score panel: a group of what
            // it holds, which screen readers read out with the place's name, where a
            // label's description would go unread.
            return QAccessible::Grouping;
    }
}

QAccessible::State TablePlaceAccessible::state() const
{
    QAccessible::State state;
    const std::optional<Shown> shown = Find();
    if (!shown) {
        state.invisible = true;
        return state;
    }
    const int index = shown->index;
    state.focusable = index < FocusPlaces;
    state.focused = state.focusable && box_->hasFocus() && index == box_->access().Focus();
    state.readOnly = true;
    return state;
}

void* TablePlaceAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && Pressable()) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

bool TablePlaceAccessible::Pressable() const { return kind_ == PlaceKind::Deck || IsHand(kind_); }

QStringList TablePlaceAccessible::actionNames() const
{
    return Pressable() ? QStringList{pressAction()} : QStringList();
}

void TablePlaceAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction() || !Pressable()) {
        return;
    }
    if (const std::optional<Shown> shown = Find()) {
        box_->access().Activate(shown->index);
    }
}

QStringList TablePlaceAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction() || !Pressable()) {
        return {};
    }
    if (kind_ == PlaceKind::Deck) {
        //: The key
        return {Speech::tr("Space")};
    }
    return {QString::number(static_cast<int>(kind_) - static_cast<int>(PlaceKind::Hand1) + 1)};
}

// --- the table ---------------------------------------------------------------------

TableAccessible::TableAccessible(PaintBox* box) : QAccessibleWidget(box, QAccessible::Canvas) {}

TableAccessible::~TableAccessible()
{
    for (const QAccessible::Id id : ids_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    for (const QAccessible::Id id : {barId_, noticeId_}) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

PaintBox* TableAccessible::box() const { return static_cast<PaintBox*>(widget()); }

QAccessibleInterface* TableAccessible::PlaceInterface(PlaceKind kind) const
{
    QAccessible::Id& id = ids_[static_cast<std::size_t>(kind)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new TablePlaceAccessible(box(), kind));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* TableAccessible::Registered(QAccessible::Id& id,
                                                  QAccessibleInterface* (*make)(PaintBox*)) const
{
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(make(box()));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* TableAccessible::OutcomeBar() const
{
    return Registered(barId_, [](PaintBox* box) -> QAccessibleInterface* {
        return new OutcomeBarAccessible(box);
    });
}

QAccessibleInterface* TableAccessible::OutcomeNotice() const
{
    return Registered(noticeId_, [](PaintBox* box) -> QAccessibleInterface* {
        return new OutcomeNoticeAccessible(box);
    });
}

// The places as the table shows them, then the status bar with the last move.
int TableAccessible::childCount() const
{
    return static_cast<int>(box()->access().Places().size()) + 1;
}

QAccessibleInterface* TableAccessible::child(int index) const
{
    const std::vector<TablePlace> places = box()->access().Places();
    if (index == static_cast<int>(places.size())) {
        return OutcomeBar();
    }
    if (index < 0 || index > static_cast<int>(places.size())) {
        return nullptr;
    }
    return PlaceInterface(places[static_cast<std::size_t>(index)].kind);
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const std::vector<TablePlace> places = box()->access().Places();
    if (barId_ != 0 && child == OutcomeBar()) {
        return static_cast<int>(places.size());
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (ids_[static_cast<std::size_t>(places[i].kind)] != 0 &&
            PlaceInterface(places[i].kind) == child) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const
{
    const std::vector<TablePlace> places = box()->access().Places();
    // The Top 5 list and the banner lie over the others: the last place found wins.
    for (auto place = places.rbegin(); place != places.rend(); ++place) {
        if (OnScreen(box(), place->area).contains(x, y)) {
            return PlaceInterface(place->kind);
        }
    }
    return nullptr;
}

QAccessibleInterface* TableAccessible::focusChild() const
{
    if (!box()->hasFocus()) {
        return nullptr;
    }
    return child(box()->access().Focus());
}

QString TableAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        return Speech::tr("Table");
    }
    if (t == QAccessible::Description) {
        //: H is the key: it stays H in every language
        return Speech::tr("H tells the keys");
    }
    return QAccessibleWidget::text(t);
}

}  // namespace vantrel
