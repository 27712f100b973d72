#include "app/qt/x11_support.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace orr::window::x11 {

namespace {

template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply* reply)
{
    return {reply, &std::free};
}

constexpr std::array<std::string_view, static_cast<std::size_t>(Atom::Count)> kAtomNames{
    "_NET_SUPPORTED",
    "_NET_REQUEST_FRAME_EXTENTS",
    "_NET_FRAME_EXTENTS",
    "_NET_WM_STATE",
    "_NET_WM_STATE_ABOVE",
    "_NET_WM_STATE_MAXIMIZED_VERT",
    "_NET_WM_STATE_MAXIMIZED_HORZ",
    "_NET_WM_STATE_FULLSCREEN",
};

// Qt keeps one connection for the life of the application.
struct AtomCache {
    xcb_connection_t* connection = nullptr;
    std::array<xcb_atom_t, kAtomNames.size()> atoms{};
};
AtomCache atom_cache;

void intern_all(xcb_connection_t* c)
{
    std::array<xcb_intern_atom_cookie_t, kAtomNames.size()> cookies{};
    for (std::size_t i = 0; i < kAtomNames.size(); ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(kAtomNames[i].size()), kAtomNames[i].data());
    for (std::size_t i = 0; i < kAtomNames.size(); ++i) {
        const auto reply = owned(xcb_intern_atom_reply(c, cookies[i], nullptr));
        atom_cache.atoms[i] = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }
    atom_cache.connection = c;
}

} // namespace

xcb_connection_t* connection()
{
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, Atom which)
{
    if (atom_cache.connection != c)
        intern_all(c);
    return atom_cache.atoms[static_cast<std::size_t>(which)];
}

xcb_window_t root_of(xcb_connection_t* c, xcb_window_t window)
{
    // With a single screen the connection's setup names the only root there is.
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (xcb_setup_roots_length(setup) == 1)
        return xcb_setup_roots_iterator(setup).data->root;
    const auto reply = owned(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (reply)
        return reply->root;
    return xcb_setup_roots_iterator(setup).data->root;
}

xcb_get_property_cookie_t ask_property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property)
{
    return xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
}

std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_get_property_cookie_t asked)
{
    const auto reply = owned(xcb_get_property_reply(c, asked, nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property)
{
    return property32(c, ask_property32(c, window, property));
}

void send_to_window_manager(xcb_connection_t* c, xcb_window_t window, xcb_atom_t type, std::uint32_t d0,
                            std::uint32_t d1, std::uint32_t d2, std::uint32_t d3)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    event.data.data32[0] = d0;
    event.data.data32[1] = d1;
    event.data.data32[2] = d2;
    event.data.data32[3] = d3;
    xcb_send_event(c, 0, root_of(c, window),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

} // namespace orr::window::x11
