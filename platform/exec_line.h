// The Exec value of a desktop entry that starts one program without arguments, in a form
// that GLib, dex and systemd's autostart generator all start, and read back by splitting
// it as a desktop does (or decoding it), so that any path survives byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orr::platform {

// The value, as it stands in the file, that starts the program at path: the path itself,
// in double quotes when it holds a reserved character, or a decoder of it when it holds
// anything that needs an escape. Nothing when the path is empty or holds a control
// character other than tab, line feed and carriage return.
std::optional<std::string> exec_value_for(std::string_view program);

// What a value, as it stands in the file, starts: the program's path when it names one
// program without arguments or is such a decoder; otherwise the command line with the
// string escapes undone.
std::string program_of_exec(std::string_view value);

} // namespace orr::platform
