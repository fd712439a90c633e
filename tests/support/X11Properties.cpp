#include "X11Properties.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* conn, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(conn, xcb_intern_atom(conn, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

QString Property(xcb_connection_t* conn, xcb_window_t window, xcb_atom_t property)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        conn, xcb_get_property(conn, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), nullptr);
    if (!reply)
        return {};
    const QString text = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                           xcb_get_property_value_length(reply));
    std::free(reply);
    return text;
}

}  // namespace

bool RunningOnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

QSize X11MinimumSize(const QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    xcb_connection_t* conn = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        conn, xcb_get_property(conn, 0, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, 18), nullptr);
    if (!reply)
        return {};
    QSize minimum;
    // flags, x, y, width, height, min_width, min_height, ...
    constexpr std::uint32_t MinSizeFlag = 1u << 4;
    const auto* hints = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    if (xcb_get_property_value_length(reply) >= 7 * 4 && (hints[0] & MinSizeFlag))
        minimum = QSize(static_cast<int>(hints[5]), static_cast<int>(hints[6]));
    std::free(reply);
    return minimum;
}

QString X11WindowCaption(const QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    xcb_connection_t* conn = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const QString netName = Property(conn, id, Atom(conn, "_NET_WM_NAME"));
    return netName.isEmpty() ? Property(conn, id, XCB_ATOM_WM_NAME) : netName;
}
