// Hint (tooltip) windows over the Win32 shell's windows: each tool is a control window
// of its own, or an area of a window drawn without one.
#pragma once

#include <windows.h>
#include <optional>

namespace orr::win32 {

// A hint window above every other; a null owner leaves it without one.
HWND make_hint_window(HWND owner, DWORD style = 0);

// One tool of a host window: `id` is the control window when `area` is null, otherwise
// the caller's number for that area of the host's client.
struct HintTool {
    HWND host;
    UINT_PTR id;
    std::optional<RECT> area = std::nullopt;
};
void add_hint(HWND hints, const HintTool& tool, const char* text);
void remove_hint(HWND hints, const HintTool& tool);

} // namespace orr::win32
