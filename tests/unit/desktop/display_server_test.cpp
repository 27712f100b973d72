// The display server the Linux program asks Qt for: X (through XWayland on a Wayland
// desktop) wherever there is one, Wayland only where there is no X, the user's own choice
// always.
#include <gtest/gtest.h>

#include "platform/display_server.h"

namespace orr::platform {
namespace {

TEST(DisplayServer, XWhereverThereIsOneAndWaylandOnlyWithout)
{
    struct Case {
        const char* what;
        DisplayEnvironment session;
        std::optional<std::string> platform;
    };
    const Case cases[] = {
        {"X11 desktop", {"", ":0", "", "x11"}, "xcb"},
        {"Wayland desktop with XWayland", {"", ":0", "wayland-0", "wayland"}, "xcb"},
        {"XWayland, session type unset", {"", ":1", "wayland-1", ""}, "xcb"},
        {"Wayland only", {"", "", "wayland-0", "wayland"}, "wayland"},
        {"Wayland only, default socket", {"", "", "", "wayland"}, "wayland"},
        {"Wayland only, session type unset", {"", "", "wayland-0", ""}, "wayland"},
        {"user chose Wayland", {"wayland", ":0", "wayland-0", "wayland"}, std::nullopt},
        {"user chose offscreen", {"offscreen", ":0", "", "x11"}, std::nullopt},
        {"no display at all", {"", "", "", "tty"}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qt_platform_for(c.session), c.platform) << c.what;
}

} // namespace
} // namespace orr::platform
