#include "platform/display_server.h"

#include <cstdlib>

namespace orr::platform {

namespace {

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

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

DisplayArguments::DisplayArguments(int argc, char* argv[])
{
    values_.assign(argv, argv + argc);
    const auto platform = qt_platform_for({variable("QT_QPA_PLATFORM"), variable("DISPLAY"),
                                           variable("WAYLAND_DISPLAY"), variable("XDG_SESSION_TYPE")});
    if (platform && argc > 0) {
        platform_ = *platform;
        values_.insert(values_.begin() + 1, {option_.data(), platform_.data()});
    }
    count_ = static_cast<int>(values_.size());
    values_.push_back(nullptr);
}

} // namespace orr::platform
