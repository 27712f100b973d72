// X11: the EWMH _NET_WM_STATE_ABOVE state, asked of the window manager, so the
// window keeps its place and focus. Other platforms use Qt's stays-on-top flag on
// the native window, which does not re-create the widget.
#include "app/qt/always_on_top.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "app/qt/x11_support.h"

namespace orr::window {

namespace {

constexpr std::uint32_t kRemove = 0;
constexpr std::uint32_t kAdd = 1;
constexpr std::uint32_t kFromApplication = 1;

// Before the window is shown the window manager reads the state from the property
// itself as it maps the window; afterwards only a request to the window manager changes
// it. A request sent after the map request reaches the window manager after it too.
void set_unmapped_state(xcb_connection_t* c, xcb_window_t id, xcb_atom_t state, xcb_atom_t above, bool on)
{
    std::vector<std::uint32_t> atoms = x11::property32(c, id, state);
    std::erase(atoms, above);
    if (on)
        atoms.push_back(above);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
    xcb_flush(c);
}

} // namespace

void set_always_on_top(QWidget* window, bool on)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_connection_t* c = x11::connection();
    if (!c) {
        window->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    const xcb_atom_t state = x11::atom(c, x11::Atom::NetWmState);
    const xcb_atom_t above = x11::atom(c, x11::Atom::NetWmStateAbove);
    if (window->isVisible())
        x11::send_to_window_manager(c, id, state, on ? kAdd : kRemove, above, 0, kFromApplication);
    else
        set_unmapped_state(c, id, state, above, on);
}

} // namespace orr::window
