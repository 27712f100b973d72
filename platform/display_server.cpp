#include "platform/display_server.h"

namespace orr::platform {

std::optional<std::string> qt_platform_for(const DisplayEnvironment& session)
{
    if (!session.qt_qpa_platform.empty())
        return std::nullopt;
    if (!session.display.empty())
        return "xcb";
    // A Wayland session may leave WAYLAND_DISPLAY unset for the default socket.
    if (!session.wayland_display.empty() || session.session_type == "wayland")
        return "wayland";
    return std::nullopt;
}

} // namespace orr::platform
