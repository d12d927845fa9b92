#pragma once

// What a screen reader reads of a window, through Qt's accessibility framework: a line
// per object on the screen, indented by its depth, as "Role: name = value", with
// " (focus)" on the widget that has the keyboard.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMetaEnum>

namespace vantrel::testing {

inline QString ScreenReaderText(QAccessibleInterface* object, int depth = 0)
{
    if (object->state().invisible) {
        return {};
    }
    const QString name = object->text(QAccessible::Name);
    const QString value = object->text(QAccessible::Value);
    QString text = QString(depth, QLatin1Char(' ')) +
                   QMetaEnum::fromType<QAccessible::Role>().valueToKey(object->role()) +
                   (name.isEmpty() ? QString() : ": " + name) +
                   (value.isEmpty() ? QString() : " = " + value) +
                   (object->object() == QApplication::focusWidget() ? " (focus)\n" : "\n");
    for (int index = 0; index < object->childCount(); ++index) {
        text += ScreenReaderText(object->child(index), depth + 1);
    }
    return text;
}

inline QString ScreenReaderText(QWidget* window)
{
    return ScreenReaderText(QAccessible::queryAccessibleInterface(window));
}

// Presses the widget as a screen reader does, through its object's press action.
inline void PressThroughScreenReader(QWidget* widget)
{
    QAccessible::queryAccessibleInterface(widget)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

}  // namespace vantrel::testing
