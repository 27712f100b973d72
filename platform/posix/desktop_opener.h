// The desktop's opener on Linux, which stands in for Notepad and for the shell's "open".
#pragma once

#include <string>

namespace orr::platform {

// An executable xdg-open on PATH.
bool desktop_opener_found();

// Starts it on its own with argument, exactly as given, as its one argument; never
// through a shell command line, never waited for. A failed start goes unreported.
void start_desktop_opener(const std::string& argument);

} // namespace orr::platform
