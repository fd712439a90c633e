#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <vector>

// A connection of its own to an X server ($DISPLAY unless named), to look at
// another process's windows the way a window manager or a task bar does.
class X11Client {
public:
    explicit X11Client(const char* display = nullptr);
    ~X11Client();
    X11Client(const X11Client&) = delete;
    X11Client& operator=(const X11Client&) = delete;

    bool Connected() const { return Connection != nullptr; }

    // The mapped top-level windows that the process has tagged with its id
    // in _NET_WM_PID, in stacking order; the first of them, or
    // XCB_WINDOW_NONE while there is none.
    std::vector<xcb_window_t> MappedWindowsOf(std::uint32_t pid);
    xcb_window_t MappedWindowOf(std::uint32_t pid);

    // Asks the window to close, as a window manager's close button does
    // (WM_DELETE_WINDOW).
    void RequestClose(xcb_window_t window);

    // A property's value as 32-bit items (CARDINAL lists such as _NET_WM_ICON)
    // or as bytes (strings such as WM_CLASS); empty when it is not set.
    std::vector<std::uint32_t> Cardinals(xcb_window_t window, const char* property);
    std::string Bytes(xcb_window_t window, const char* property);

private:
    xcb_atom_t Atom(const char* name);
    std::vector<std::uint8_t> Property(xcb_window_t window, const char* property, std::uint8_t format);

    xcb_connection_t* Connection = nullptr;
    xcb_window_t Root = XCB_WINDOW_NONE;
};
