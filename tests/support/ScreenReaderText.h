#pragma once

// What a screen reader reads of a window, through Qt's accessibility framework: one
// line per object on the screen, indented by its depth, as "Role: name", with
// " = value" when it has one and " (focus)" on the widget that has the keyboard.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMetaEnum>
#include <QWidget>

namespace vantrel::testing {

inline void AppendScreenReaderText(QAccessibleInterface* object, int depth, QString& text)
{
    if (object->state().invisible) {
        return;
    }
    text += QString(depth, QLatin1Char(' ')) +
            QLatin1String(QMetaEnum::fromType<QAccessible::Role>().valueToKey(object->role()));
    const QString name = object->text(QAccessible::Name);
    const QString value = object->text(QAccessible::Value);
    text += (name.isEmpty() ? QString() : QStringLiteral(": ") + name) +
            (value.isEmpty() ? QString() : QStringLiteral(" = ") + value) +
            (object->object() == QApplication::focusWidget() ? QStringLiteral(" (focus)\n")
                                                             : QStringLiteral("\n"));
    for (int index = 0; index < object->childCount(); ++index) {
        AppendScreenReaderText(object->child(index), depth + 1, text);
    }
}

inline QString ScreenReaderText(QWidget* window)
{
    QString text;
    AppendScreenReaderText(QAccessible::queryAccessibleInterface(window), 0, text);
    return text;
}

// Presses the widget as a screen reader does, through its object's press action.
inline void PressThroughScreenReader(QWidget* widget)
{
    QAccessible::queryAccessibleInterface(widget)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

}  // namespace vantrel::testing
