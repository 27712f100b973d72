// The Exec value of a desktop entry that starts one program without arguments, written
// with the quoting and escaping rules of the Desktop Entry specification and read back by
// splitting it as a desktop does, so that any path survives byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orr::platform {

// The value, as it stands in the file, that starts the program at path; nothing when the
// path is empty or holds a control character other than tab, line feed and carriage
// return, which no desktop entry can carry.
std::optional<std::string> exec_value_for(std::string_view program);

// What a value, as it stands in the file, starts: the program's path when it names one
// program without arguments; otherwise the command line with the string escapes undone.
std::string program_of_exec(std::string_view value);

} // namespace orr::platform
