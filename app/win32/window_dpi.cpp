#include "app/win32/window_dpi.h"

#include "core/win32/handles.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction get_dpi_for_window()
{
    // Looked up rather than linked, so the program still starts where it is missing.
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                  : nullptr;
}

} // namespace

int window_dpi(HWND window)
{
    static const GetDpiForWindowFunction for_window = get_dpi_for_window();
    if (for_window) {
        if (const UINT dpi = for_window(window))
            return static_cast<int>(dpi);
    }
    const orr::win32::WindowDc screen(window);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}
