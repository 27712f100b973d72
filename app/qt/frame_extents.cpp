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
    const auto supported = x11::property32(c, root, x11::atom(c, "_NET_SUPPORTED"));
    return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

} // namespace

std::optional<QMargins> announced_frame_margins(QWidget* window)
{
    xcb_connection_t* c = x11::connection();
    // Elsewhere Qt's platform knows the decoration itself, where it knows it at all.
    if (!c) {
        const QMargins known = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
        return known.isNull() ? std::nullopt : std::optional(known);
    }
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    if (!id)
        return std::nullopt;
    const auto extents = x11::property32(c, id, x11::atom(c, "_NET_FRAME_EXTENTS"));
    if (extents.size() < kExtentCount)
        return std::nullopt;
    const qreal ratio = window->windowHandle() ? window->windowHandle()->devicePixelRatio() : 1.0;
    return QMargins(to_window_pixels(extents[0], ratio), to_window_pixels(extents[2], ratio),
                    to_window_pixels(extents[1], ratio), to_window_pixels(extents[3], ratio));
}

bool maximized_by_window_manager(QWidget* window)
{
    xcb_connection_t* c = x11::connection();
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    if (!c || !id)
        return false;
    const auto state = x11::property32(c, id, x11::atom(c, "_NET_WM_STATE"));
    const auto holds = [&](const char* name) {
        return std::find(state.begin(), state.end(), x11::atom(c, name)) != state.end();
    };
    return holds("_NET_WM_STATE_MAXIMIZED_VERT") || holds("_NET_WM_STATE_MAXIMIZED_HORZ") ||
           holds("_NET_WM_STATE_FULLSCREEN");
}

bool request_frame_margins(QWidget* window)
{
    xcb_connection_t* c = x11::connection();
    if (!c)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t request = x11::atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!window_manager_supports(c, x11::root_of(c, id), request))
        return false;
    x11::send_to_window_manager(c, id, request);
    return true;
}

} // namespace orr::window
