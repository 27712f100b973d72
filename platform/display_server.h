// Which display server the Linux program connects to. On a Wayland desktop the X server
// that the desktop runs beside it (XWayland) is preferred, because Wayland lets no client
// place its own window or keep it above others.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orr::platform {

// The session's variables as the program found them; an unset one is empty.
struct DisplayEnvironment {
    std::string qt_qpa_platform; // QT_QPA_PLATFORM: the user's own choice
    std::string display;         // DISPLAY: an X server, XWayland included
    std::string wayland_display; // WAYLAND_DISPLAY
    std::string session_type;    // XDG_SESSION_TYPE
};

// The Qt platform plugin to ask for: "xcb" wherever an X server is reachable, "wayland"
// where a Wayland session has none; nothing when the user chose one, or when there is no
// display at all (Qt then reports that itself).
std::optional<std::string> qt_platform_for(const DisplayEnvironment& session);

// The program's arguments with "-platform <name>" added where the session's variables call
// for it. An argument rather than QT_QPA_PLATFORM, so that programs started from ours (the
// document opener) choose for themselves.
class DisplayArguments {
public:
    DisplayArguments(int argc, char* argv[]);
    DisplayArguments(const DisplayArguments&) = delete;
    DisplayArguments& operator=(const DisplayArguments&) = delete;

    // The application object keeps both for its lifetime.
    int& count() { return count_; }
    char** values() { return values_.data(); }

private:
    std::string option_ = "-platform";
    std::string platform_;
    std::vector<char*> values_;
    int count_ = 0;
};

} // namespace orr::platform
