// The settings file's place and its window settings, over the settings passes.
#include "app/settings/settings_file.h"

#include "app/settings/settings_pass.h"
#include "app/settings/stale_temporaries.h"
#include "platform/executable_path.h"

namespace orr {

std::string settings_file_path() { return platform::executable_folder() + kSettingsFileName; }

StartUpSettings read_start_up_settings(const std::string& path) {
    // The start-up reads once per run: the time to clear what a cut-short save left.
    remove_stale_temporaries(path);
    const WindowSettings defaults;
    StartUpSettings read;
    WindowSettings& s = read.window;
    SettingsReadPass pass(path);
    s.top = pass.read_integer(kSettingsSection, kKeyTop, defaults.top);
    s.left = pass.read_integer(kSettingsSection, kKeyLeft, defaults.left);
    // A size is stored when its value reads as a number at all.
    read.width_stored = pass.read_integer(kSettingsSection, kKeyWidth, 0) == pass.read_integer(kSettingsSection, kKeyWidth, 1);
    s.width = pass.read_integer(kSettingsSection, kKeyWidth, defaults.width);
    read.height_stored = pass.read_integer(kSettingsSection, kKeyHeight, 0) == pass.read_integer(kSettingsSection, kKeyHeight, 1);
    s.height = pass.read_integer(kSettingsSection, kKeyHeight, defaults.height);
    s.always_on_top = pass.read_boolean(kSettingsSection, kKeyAlwaysOnTop, defaults.always_on_top);
    s.auto_run = pass.read_boolean(kSettingsSection, kKeyAutoRun, defaults.auto_run);
    s.maximized = pass.read_boolean(kSettingsSection, kKeyMaximized, defaults.maximized);
    pass.release();
    return read;
}

WindowSettings read_window_settings(const std::string& path) { return read_start_up_settings(path).window; }

void write_window_settings(const std::string& path, const WindowSettings& s) {
    SettingsWritePass pass(path);
    pass.write_boolean(kSettingsSection, kKeyMaximized, s.maximized);
    pass.write_integer(kSettingsSection, kKeyTop, s.top);
    pass.write_integer(kSettingsSection, kKeyLeft, s.left);
    pass.write_integer(kSettingsSection, kKeyWidth, s.width);
    pass.write_integer(kSettingsSection, kKeyHeight, s.height);
    pass.write_boolean(kSettingsSection, kKeyAlwaysOnTop, s.always_on_top);
    pass.write_boolean(kSettingsSection, kKeyAutoRun, s.auto_run);
    pass.release();
}

} // namespace orr
