// The program's entry in the autostart folder: what a file there reads as, and the text
// that makes it start a program at login, switched on for every desktop.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orr::platform {

enum class AutostartState {
    NotAnEntry,  // no desktop entry with an Exec key
    SwitchedOff, // the desktop's start-up settings turned it off
    Starts,
};

struct AutostartReading {
    AutostartState state = AutostartState::NotAnEntry;
    std::string program; // when it starts: what its Exec starts
};

AutostartReading read_autostart_entry(std::string_view text);

// The entry that starts program at login under the display name: an existing desktop
// entry keeps everything but its Exec and switches, a fresh one is made otherwise.
// Nothing when no Exec can carry the path.
std::optional<std::string> autostart_entry_text(std::optional<std::string_view> existing,
                                                std::string_view program, std::string_view name);

} // namespace orr::platform
