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

xcb_atom_t atom(xcb_connection_t* c, const char* name);
xcb_window_t root_of(xcb_connection_t* c, xcb_window_t window);

// A 32-bit property's values; empty when the property is absent.
std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property);

// An EWMH request: a client message about `window` sent to the root window.
void send_to_window_manager(xcb_connection_t* c, xcb_window_t window, xcb_atom_t type,
                            std::uint32_t d0 = 0, std::uint32_t d1 = 0, std::uint32_t d2 = 0,
                            std::uint32_t d3 = 0);

} // namespace orr::window::x11
