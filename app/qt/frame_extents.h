// The window manager's decoration around a top-level window, in the window's own
// (device-independent) pixels, known before the window is first mapped where the
// window manager can tell it.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace orr::window {

struct AnnouncedFrame {
    QMargins margins;
    // Maximised (or full screen) by the window manager: the decoration is not the one
    // the window returns to.
    bool maximized = false;
};

// The decoration the window manager has announced for the window (nothing before it
// has) and the window's state, read together in one round trip. Off X11, the
// decoration as Qt's platform knows it.
std::optional<AnnouncedFrame> announced_frame(QWidget* window);

// Asks the window manager to announce its decoration for a window not yet mapped. The
// answer comes later, as a change of the window's properties; false when it cannot be asked.
bool request_frame_margins(QWidget* window);

} // namespace orr::window
