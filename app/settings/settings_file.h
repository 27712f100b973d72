// The program's settings file: where it lies, its section and seven keys with their
// defaults, and the window settings read and written in one pass each.
#pragma once

#include <string>

namespace orr {

inline constexpr const char* kSettingsFileName = "orrindale.ini";
inline constexpr const char* kSettingsSection = "orrindale";

inline constexpr const char* kKeyMaximized = "WindowState_wsMaximized";
inline constexpr const char* kKeyTop = "window_top_posn";
inline constexpr const char* kKeyLeft = "window_left_posn";
inline constexpr const char* kKeyWidth = "window_Width";
inline constexpr const char* kKeyHeight = "window_Height";
inline constexpr const char* kKeyAlwaysOnTop = "Always_on_Top_Option";
inline constexpr const char* kKeyAutoRun = "Auto_Run_at_Windows_Startup_Option";

// The executable's folder followed by kSettingsFileName, taken afresh at each call.
std::string settings_file_path();

struct WindowSettings {
    bool maximized = false;
    int top = 20;
    int left = 20;
    int width = 659;
    int height = 614;
    bool always_on_top = false;
    bool auto_run = false;

    bool operator==(const WindowSettings&) const = default;
};

// One reading pass, keys in the order the start-up sequence takes them: top, left,
// width, height, always on top, auto run, maximised.
WindowSettings read_window_settings(const std::string& path);

// One writing pass, keys in the order a new file lists them: maximised, top, left,
// width, height, always on top, auto run. Raises ESettingsWriteError on a failed write;
// the pass ends there.
void write_window_settings(const std::string& path, const WindowSettings& settings);

} // namespace orr
