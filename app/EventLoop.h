#pragma once

#include <QByteArray>
#include <QtGlobal>

// A run never returns to the event loop; while it draws, the window lets through only the
// window system's own events (QCoreApplication::processEvents with ExcludeUserInputEvents).
// The GLib-based dispatcher does not deliver window-system events to a nested call made from
// one of its own dispatches (a click on Start is one), so the program uses Qt's own dispatcher,
// which does. Call before the application object is created.
inline void useQtEventDispatcher()
{
    qputenv("QT_NO_GLIB", QByteArrayLiteral("1"));
}
