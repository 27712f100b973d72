// Centring a top-level window on a monitor, as the shell's windows and boxes open.
#pragma once

#include <windows.h>

namespace orr::win32 {

// Centres `window` on the monitor of `on` (the window's own when null): on its work area,
// clear of the taskbar, or on the whole screen.
enum class CentreOn { WorkArea, Screen };
void centre_window(HWND window, HWND on, CentreOn area);

} // namespace orr::win32
