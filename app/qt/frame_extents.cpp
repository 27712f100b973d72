// X11: the window manager states its decoration in _NET_FRAME_EXTENTS, in device
// pixels; for a window not yet mapped it is asked first with _NET_REQUEST_FRAME_EXTENTS.
#include "app/qt/frame_extents.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "app/qt/x11_support.h"

namespace orr::window {

namespace {

constexpr std::size_t kExtentCount = 4; // left, right, top, bottom

// Rounded as Qt rounds its own device geometry, so both agree at every scale.
int to_window_pixels(std::uint32_t device, qreal ratio)
{
    return static_cast<int>(std::lround(static_cast<qreal>(device) / ratio));
}

bool window_manager_supports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t feature)
{
    const auto supported = x11::property32(c, root, x11::atom(c, x11::Atom::NetSupported));
    return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

std::optional<QMargins> to_margins(const std::vector<std::uint32_t>& extents, const QWidget* window)
{
    if (extents.size() < kExtentCount)
        return std::nullopt;
    const qreal ratio = window->windowHandle() ? window->windowHandle()->devicePixelRatio() : 1.0;
    return QMargins(to_window_pixels(extents[0], ratio), to_window_pixels(extents[2], ratio),
                    to_window_pixels(extents[1], ratio), to_window_pixels(extents[3], ratio));
}

// Elsewhere Qt's platform knows the decoration itself, where it knows it at all.
std::optional<QMargins> known_to_qt(const QWidget* window)
{
    const QMargins known = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return known.isNull() ? std::nullopt : std::optional(known);
}

bool maximized_in(const std::vector<std::uint32_t>& state, xcb_connection_t* c)
{
    return std::any_of(state.begin(), state.end(), [c](std::uint32_t held) {
        return held == x11::atom(c, x11::Atom::NetWmStateMaximizedVert) ||
               held == x11::atom(c, x11::Atom::NetWmStateMaximizedHorz) ||
               held == x11::atom(c, x11::Atom::NetWmStateFullscreen);
    });
}

} // namespace

std::optional<AnnouncedFrame> announced_frame(QWidget* window)
{
    xcb_connection_t* c = x11::connection();
    if (!c) {
        const auto margins = known_to_qt(window);
        return margins ? std::optional(AnnouncedFrame{*margins, false}) : std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    if (!id)
        return std::nullopt;
    const auto extents_asked = x11::ask_property32(c, id, x11::atom(c, x11::Atom::NetFrameExtents));
    const auto state_asked = x11::ask_property32(c, id, x11::atom(c, x11::Atom::NetWmState));
    const auto margins = to_margins(x11::property32(c, extents_asked), window);
    const auto state = x11::property32(c, state_asked);
    if (!margins)
        return std::nullopt;
    return AnnouncedFrame{*margins, maximized_in(state, c)};
}

bool request_frame_margins(QWidget* window)
{
    xcb_connection_t* c = x11::connection();
    if (!c)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t request = x11::atom(c, x11::Atom::NetRequestFrameExtents);
    if (!window_manager_supports(c, x11::root_of(c, id), request))
        return false;
    x11::send_to_window_manager(c, id, request);
    return true;
}

} // namespace orr::window
