// The pixels per inch a window is shown at: its monitor's, where Windows tells each
// window its own (10, version 1607 on), otherwise the screen's.
#pragma once

#include <windows.h>

int window_dpi(HWND window);
