// Property changes on the window arrive as PropertyNotify events; each is answered
// after Qt has handled the same event, so Qt's own view of the window is current.
#include "app/qt/window_manager_events.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <xcb/xcb.h>

#include "app/qt/frame_extents.h"
#include "app/qt/x11_support.h"
#include "core/event_guard.h"

namespace orr::window {

namespace {

constexpr std::uint8_t kEventTypeMask = 0x7f; // the top bit marks events sent by a client

} // namespace

WindowManagerEvents::WindowManagerEvents(QWidget& window, Listeners listeners)
    : window_(window), listeners_(std::move(listeners))
{
    xcb_connection_t* c = x11::connection();
    if (!c || !QCoreApplication::instance())
        return;
    state_atom_ = x11::atom(c, x11::Atom::NetWmState);
    above_atom_ = x11::atom(c, x11::Atom::NetWmStateAbove);
    extents_atom_ = x11::atom(c, x11::Atom::NetFrameExtents);
    QCoreApplication::instance()->installNativeEventFilter(this);
    installed_ = true;
}

WindowManagerEvents::~WindowManagerEvents()
{
    if (installed_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowManagerEvents::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & kEventTypeMask) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
    // A withdrawn window loses its state to the window manager; that is no choice of the user.
    if (notify->window != window_.internalWinId() || notify->state == XCB_PROPERTY_DELETE)
        return false;
    if (notify->atom == state_atom_ && listeners_.above_changed)
        QMetaObject::invokeMethod(
            &window_, [this] { guarded([this] { StateChanged(); }); }, Qt::QueuedConnection);
    else if (notify->atom == extents_atom_ && listeners_.frame_announced)
        QMetaObject::invokeMethod(
            &window_, [this] { guarded([this] { ExtentsChanged(); }); }, Qt::QueuedConnection);
    return false;
}

void WindowManagerEvents::StateChanged()
{
    xcb_connection_t* c = x11::connection();
    const auto id = static_cast<xcb_window_t>(window_.internalWinId());
    if (!c || !id)
        return;
    const auto atoms = x11::property32(c, id, state_atom_);
    const bool above = std::find(atoms.begin(), atoms.end(), above_atom_) != atoms.end();
    listeners_.above_changed(above);
}

void WindowManagerEvents::ExtentsChanged()
{
    // The window manager sets the state before the decoration that goes with it.
    if (const auto announced = announced_frame(&window_))
        listeners_.frame_announced(announced->margins, announced->maximized);
}

} // namespace orr::window
