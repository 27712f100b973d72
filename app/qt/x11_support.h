// Small helpers over the X connection Qt already holds: atoms, the root window,
// window properties and client messages to the window manager.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <vector>

class QWidget;

namespace orr::window::x11 {

// The connection of the running application, or nullptr when it is not on X11.
xcb_connection_t* connection();

// Every atom the shell uses; the first use interns them all in one round trip, and the
// process keeps them, since an atom never changes on a connection.
enum class Atom {
    NetSupported,
    NetRequestFrameExtents,
    NetFrameExtents,
    NetWmState,
    NetWmStateAbove,
    NetWmStateMaximizedVert,
    NetWmStateMaximizedHorz,
    NetWmStateFullscreen,
    Count
};
xcb_atom_t atom(xcb_connection_t* c, Atom which);

xcb_window_t root_of(xcb_connection_t* c, xcb_window_t window);

// A 32-bit property's values, asked for first and collected later, so that several
// properties cost one round trip; empty when the property is absent.
xcb_get_property_cookie_t ask_property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property);
std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_get_property_cookie_t asked);
std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property);

// An EWMH request: a client message about `window` sent to the root window.
void send_to_window_manager(xcb_connection_t* c, xcb_window_t window, xcb_atom_t type,
                            std::uint32_t d0 = 0, std::uint32_t d1 = 0, std::uint32_t d2 = 0,
                            std::uint32_t d3 = 0);

} // namespace orr::window::x11
