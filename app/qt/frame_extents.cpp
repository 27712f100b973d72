// X11: the window manager states its decoration in _NET_FRAME_EXTENTS; for a window
// not yet mapped it is asked first with _NET_REQUEST_FRAME_EXTENTS.
#include "app/qt/frame_extents.h"

#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "app/qt/x11_support.h"

namespace orr::window {

namespace {

constexpr int kAnswerWaitMs = 500;

QMargins margins_of(const std::vector<std::uint32_t>& extents)
{
    // left, right, top, bottom
    return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                    static_cast<int>(extents[1]), static_cast<int>(extents[3]));
}

bool window_manager_supports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t feature)
{
    const auto supported = x11::property32(c, root, x11::atom(c, "_NET_SUPPORTED"));
    return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

} // namespace

QMargins expected_frame_margins(QWidget* window)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_connection_t* c = x11::connection();
    if (!c || window->testAttribute(Qt::WA_Mapped))
        return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();

    const xcb_atom_t extents = x11::atom(c, "_NET_FRAME_EXTENTS");
    auto known = x11::property32(c, id, extents);
    if (known.size() >= 4)
        return margins_of(known);
    const xcb_atom_t request = x11::atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!window_manager_supports(c, x11::root_of(c, id), request))
        return {};
    x11::send_to_window_manager(c, id, request);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kAnswerWaitMs) {
        known = x11::property32(c, id, extents);
        if (known.size() >= 4)
            return margins_of(known);
        QThread::msleep(5);
    }
    return {};
}

} // namespace orr::window
