#include "auxiliary/AccessibleParts.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <utility>

namespace vantrel {

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    LinkAccessible(QLabel* label, std::function<void()> follow)
        : QAccessibleWidget(label, QAccessible::Link), follow_(std::move(follow))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return own;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            follow_();
        }
    }

private:
    std::function<void()> follow_;
};

// Qt makes a widget's accessible object the first time anyone asks for it, and a
// listening screen reader asks as soon as a label is given its text: one made already
// is dropped for the replacement.
void Replace(QAccessibleInterface* replacement)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(replacement->object())) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    QAccessible::registerAccessibleInterface(replacement);
}

}  // namespace

void ReadWithRole(QWidget* widget, QAccessible::Role role)
{
    Replace(new QAccessibleWidget(widget, role));
}

void ReadAsLink(QLabel* label, std::function<void()> follow)
{
    Replace(new LinkAccessible(label, std::move(follow)));
}

}  // namespace vantrel
