#pragma once

#include <QGuiApplication>
#include <QString>

namespace vantrel {

// Under Wayland the compositor places every window and decides which one is active; a
// client can neither move its own windows nor learn where they stand, and Qt draws the
// window's frame itself. Such a window asks for neither: it is placed as a transient
// child of the main window, or wherever the compositor chooses.
inline bool CompositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace vantrel
