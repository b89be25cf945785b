#include "app/WindowManager.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Free {
    void operator()(void* reply) const { std::free(reply); }
};

template <class T> using Reply = std::unique_ptr<T, Free>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A property of 32-bit items: windows or atoms.
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window, const char* name,
                                    xcb_atom_t type)
{
    // A window that is gone answers with an error, kept here rather than reported.
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom(connection, name), type, 0, 1024), &error));
    std::free(error);
    if (!reply || reply->format != 32)
        return {};
    const auto* items = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

} // namespace

bool screenFilledForWindow(const QWidget* window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, xcb_window_t(window->winId())), nullptr));
    if (!geometry)
        return false;
    // A window manager that runs names a window of its own on the root, which names itself; one
    // that has ended may have left the root's name behind.
    const char* check = "_NET_SUPPORTING_WM_CHECK";
    const std::vector<std::uint32_t> named = property(connection, geometry->root, check, XCB_ATOM_WINDOW);
    if (named.empty() || property(connection, named[0], check, XCB_ATOM_WINDOW) != named)
        return false;
    const std::vector<std::uint32_t> supported = property(connection, geometry->root, "_NET_SUPPORTED", XCB_ATOM_ATOM);
    const xcb_atom_t fullScreen = atom(connection, "_NET_WM_STATE_FULLSCREEN");
    return fullScreen != XCB_ATOM_NONE && std::find(supported.begin(), supported.end(), fullScreen) != supported.end();
}
