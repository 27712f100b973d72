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

// What the start-up reads, with whether the file gave a size at all: without one the
// window takes its design size rather than an outer size that fits no frame.
struct StartUpSettings {
    WindowSettings window;
    bool width_stored = false;
    bool height_stored = false;
};

// The start-up's reading: removes the temporary files that cut-short saves left, then
// one reading pass, keys in the order the start-up sequence takes them: top, left,
// width, height, always on top, auto run, maximised.
StartUpSettings read_start_up_settings(const std::string& path);
WindowSettings read_window_settings(const std::string& path);

// One writing pass, keys in the order a new file lists them: maximised, top, left,
// width, height, always on top, auto run, put in place at once. Raises
// ESettingsWriteError when the pass fails; the file is then left as it was.
void write_window_settings(const std::string& path, const WindowSettings& settings);

} // namespace orr
