#include "X11Client.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Owned(T* reply)
{
    return Reply<T>(reply, &std::free);
}

}  // namespace

X11Client::X11Client(const char* display)
{
    xcb_connection_t* conn = xcb_connect(display, nullptr);
    if (xcb_connection_has_error(conn)) {
        xcb_disconnect(conn);
        return;
    }
    Connection = conn;
    Root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
}

X11Client::~X11Client()
{
    if (Connection)
        xcb_disconnect(Connection);
}

xcb_atom_t X11Client::Atom(const char* name)
{
    auto reply = Owned(xcb_intern_atom_reply(
        Connection, xcb_intern_atom(Connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<std::uint8_t> X11Client::Property(xcb_window_t window, const char* property, std::uint8_t format)
{
    // Large enough for _NET_WM_ICON with a 256-pixel image and the smaller ones.
    constexpr std::uint32_t MaxItems = 1u << 20;
    auto reply = Owned(xcb_get_property_reply(
        Connection, xcb_get_property(Connection, 0, window, Atom(property), XCB_GET_PROPERTY_TYPE_ANY, 0, MaxItems),
        nullptr));
    if (!reply || reply->format != format)
        return {};
    const auto* data = static_cast<const std::uint8_t*>(xcb_get_property_value(reply.get()));
    return {data, data + xcb_get_property_value_length(reply.get())};
}

std::vector<std::uint32_t> X11Client::Cardinals(xcb_window_t window, const char* property)
{
    const std::vector<std::uint8_t> bytes = Property(window, property, 32);
    std::vector<std::uint32_t> items(bytes.size() / 4);
    if (!items.empty())
        std::memcpy(items.data(), bytes.data(), items.size() * 4);
    return items;
}

std::string X11Client::Bytes(xcb_window_t window, const char* property)
{
    const std::vector<std::uint8_t> bytes = Property(window, property, 8);
    return {bytes.begin(), bytes.end()};
}

std::vector<xcb_window_t> X11Client::MappedWindowsOf(std::uint32_t pid)
{
    std::vector<xcb_window_t> windows;
    auto tree = Owned(xcb_query_tree_reply(Connection, xcb_query_tree(Connection, Root), nullptr));
    if (!tree)
        return windows;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const std::vector<std::uint32_t> owner = Cardinals(children[i], "_NET_WM_PID");
        if (owner.size() != 1 || owner[0] != pid)
            continue;
        auto attributes = Owned(xcb_get_window_attributes_reply(
            Connection, xcb_get_window_attributes(Connection, children[i]), nullptr));
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            windows.push_back(children[i]);
    }
    return windows;
}

xcb_window_t X11Client::MappedWindowOf(std::uint32_t pid)
{
    const std::vector<xcb_window_t> windows = MappedWindowsOf(pid);
    return windows.empty() ? xcb_window_t{XCB_WINDOW_NONE} : windows.front();
}

void X11Client::RequestClose(xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom("WM_PROTOCOLS");
    message.data.data32[0] = Atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(Connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(Connection);
}
