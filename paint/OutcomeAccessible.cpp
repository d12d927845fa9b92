#include "paint/OutcomeAccessible.h"

#include <QWidget>
#include <QWindow>

#include "paint/PaintBox.h"
#include "paint/Speech.h"
#include "paint/TableAccessible.h"

namespace vantrel {

namespace {

TableAccessible* TableOf(PaintBox* box)
{
    return box != nullptr
               ? dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(box))
               : nullptr;
}

QWindow* WindowOf(PaintBox* box)
{
    return box != nullptr ? box->window()->windowHandle() : nullptr;
}

QRect TableOnScreen(PaintBox* box)
{
    return box != nullptr ? QRect(box->mapToGlobal(QPoint(0, 0)), box->size()) : QRect();
}

}  // namespace

// --- the notification ----------------------------------------------------------------

QWindow* OutcomeNoticeAccessible::window() const { return WindowOf(box_); }

QAccessibleInterface* OutcomeNoticeAccessible::parent() const
{
    TableAccessible* table = TableOf(box_);
    return table != nullptr ? table->OutcomeBar() : nullptr;
}

QRect OutcomeNoticeAccessible::rect() const { return TableOnScreen(box_); }

QString OutcomeNoticeAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name && box_ ? box_->access().Announcement() : QString();
}

QAccessible::State OutcomeNoticeAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !box_ || box_->access().Announcement().isEmpty();
    return state;
}

// --- the status bar ------------------------------------------------------------------

QWindow* OutcomeBarAccessible::window() const { return WindowOf(box_); }

QAccessibleInterface* OutcomeBarAccessible::parent() const
{
    return box_ ? QAccessible::queryAccessibleInterface(box_.data()) : nullptr;
}

QAccessibleInterface* OutcomeBarAccessible::child(int index) const
{
    TableAccessible* table = TableOf(box_);
    return index == 0 && table != nullptr ? table->OutcomeNotice() : nullptr;
}

int OutcomeBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child != nullptr && child == OutcomeBarAccessible::child(0) ? 0 : -1;
}

QRect OutcomeBarAccessible::rect() const { return TableOnScreen(box_); }

QString OutcomeBarAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? Speech::tr("Last move") : QString();
}

QAccessible::State OutcomeBarAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    return state;
}

}  // namespace vantrel
