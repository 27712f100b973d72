// Window text from the shared code's UTF-8: what a control shows, and what a screen
// reader announces for a window that paints itself.
#pragma once

#include <windows.h>
#include <string>

void set_window_text(HWND window, const std::string& utf8);
