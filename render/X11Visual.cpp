#include "X11Visual.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <bit>
#include <cstdlib>

namespace {

xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct WindowVisual {
    xcb_visualtype_t type{};
    std::uint8_t depth = 0;
    bool found = false;
};

WindowVisual FindVisual(xcb_connection_t* conn, xcb_window_t window)
{
    WindowVisual result;
    xcb_get_window_attributes_reply_t* attrs =
        xcb_get_window_attributes_reply(conn, xcb_get_window_attributes(conn, window), nullptr);
    if (!attrs)
        return result;
    const xcb_visualid_t id = attrs->visual;
    std::free(attrs);
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(conn)); screens.rem; xcb_screen_next(&screens)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem; xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals)) {
                if (visuals.data->visual_id == id) {
                    result.type = *visuals.data;
                    result.depth = depths.data->depth;
                    result.found = true;
                    return result;
                }
            }
        }
    }
    return result;
}

void MaskToField(std::uint32_t mask, std::uint8_t& bits, std::uint8_t& shift)
{
    bits = static_cast<std::uint8_t>(std::popcount(mask));
    shift = mask ? static_cast<std::uint8_t>(std::countr_zero(mask)) : 0;
}

bool IsColourMapped(std::uint8_t visualClass)
{
    return visualClass == XCB_VISUAL_CLASS_PSEUDO_COLOR || visualClass == XCB_VISUAL_CLASS_GRAY_SCALE ||
           visualClass == XCB_VISUAL_CLASS_DIRECT_COLOR;
}

std::uint16_t Level16(std::uint8_t level)
{
    return static_cast<std::uint16_t>(level * 257u);
}

}  // namespace

X11VisualInfo QueryX11Visual(QWindow* window)
{
    X11VisualInfo info;
    xcb_connection_t* conn = Connection();
    if (!conn || !window || !window->handle())
        return info;
    const WindowVisual v = FindVisual(conn, static_cast<xcb_window_t>(window->winId()));
    if (!v.found)
        return info;
    info.valid = true;
    info.depth = v.depth;
    info.colourMapped = IsColourMapped(v.type._class);
    if (v.type.red_mask || v.type.green_mask || v.type.blue_mask) {
        MaskToField(v.type.red_mask, info.redBits, info.redShift);
        MaskToField(v.type.green_mask, info.greenBits, info.greenShift);
        MaskToField(v.type.blue_mask, info.blueBits, info.blueShift);
    } else {
        // An indexed visual has no channel masks: GL's RGBA mode on it packs
        // red low, then green, then blue, as in the 3-3-2 layout.
        info.redBits = static_cast<std::uint8_t>((v.depth + 2) / 3);
        info.greenBits = static_cast<std::uint8_t>((v.depth - info.redBits + 1) / 2);
        info.blueBits = static_cast<std::uint8_t>(v.depth - info.redBits - info.greenBits);
        info.greenShift = info.redBits;
        info.blueShift = static_cast<std::uint8_t>(info.redBits + info.greenBits);
    }
    return info;
}

std::uint32_t CreateX11Colormap(QWindow* window, const std::vector<PaletteEntry>& entries)
{
    xcb_connection_t* conn = Connection();
    if (!conn || !window || !window->handle() || entries.empty())
        return 0;
    const auto xwindow = static_cast<xcb_window_t>(window->winId());
    const WindowVisual v = FindVisual(conn, xwindow);
    if (!v.found || !IsColourMapped(v.type._class))
        return 0;
    const xcb_colormap_t colormap = xcb_generate_id(conn);
    xcb_void_cookie_t created =
        xcb_create_colormap_checked(conn, XCB_COLORMAP_ALLOC_ALL, colormap, xwindow, v.type.visual_id);
    if (xcb_generic_error_t* error = xcb_request_check(conn, created)) {
        std::free(error);
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(entries.size(), v.type.colormap_entries);
    std::vector<xcb_coloritem_t> items(count);
    for (std::size_t i = 0; i < count; ++i) {
        items[i].pixel = static_cast<std::uint32_t>(i);
        items[i].red = Level16(entries[i].peRed);
        items[i].green = Level16(entries[i].peGreen);
        items[i].blue = Level16(entries[i].peBlue);
        items[i].flags = XCB_COLOR_FLAG_RED | XCB_COLOR_FLAG_GREEN | XCB_COLOR_FLAG_BLUE;
    }
    xcb_store_colors(conn, colormap, static_cast<std::uint32_t>(items.size()), items.data());
    xcb_flush(conn);
    return colormap;
}

void InstallX11Colormap(QWindow* window, std::uint32_t colormap)
{
    xcb_connection_t* conn = Connection();
    if (!conn || !window || !window->handle() || colormap == 0)
        return;
    const std::uint32_t values[] = {colormap};
    xcb_change_window_attributes(conn, static_cast<xcb_window_t>(window->winId()), XCB_CW_COLORMAP, values);
    xcb_flush(conn);
}

void FreeX11Colormap(std::uint32_t colormap)
{
    xcb_connection_t* conn = Connection();
    if (!conn || colormap == 0)
        return;
    xcb_free_colormap(conn, colormap);
    xcb_flush(conn);
}
