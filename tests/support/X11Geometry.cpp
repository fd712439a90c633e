#include "X11Geometry.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

QSize ServerSize(xcb_connection_t* conn, xcb_window_t window)
{
    xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(conn, xcb_get_geometry(conn, window), nullptr);
    if (!reply)
        return {};
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

}  // namespace

QSize X11ClientSize(const QWidget& window)
{
    xcb_connection_t* conn = Connection();
    if (!conn)
        return {};
    const QSize device = ServerSize(conn, static_cast<xcb_window_t>(window.winId()));
    const double ratio = window.devicePixelRatio();
    return {static_cast<int>(std::lround(device.width() / ratio)), static_cast<int>(std::lround(device.height() / ratio))};
}

void X11ResizeFromOutside(const QWidget& window, QSize size)
{
    xcb_connection_t* conn = Connection();
    if (!conn)
        return;
    const double ratio = window.devicePixelRatio();
    const std::uint32_t values[] = {static_cast<std::uint32_t>(std::lround(size.width() * ratio)),
                                    static_cast<std::uint32_t>(std::lround(size.height() * ratio))};
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_configure_window(conn, id, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    // The reply comes after the server has carried out the request.
    ServerSize(conn, id);
}
