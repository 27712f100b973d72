// Handing a link or a mail address to the desktop's opener, as the shell's "open"
// does: never through a shell command line, and without looking at the result.
#pragma once

#include <string>

namespace orr::platform {

// The window that owns what the opener shows (an HWND on Windows); may be null.
using OwnerWindow = void*;

void shell_open(const std::string& target, OwnerWindow owner);

} // namespace orr::platform
