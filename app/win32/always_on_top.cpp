// Win32: the topmost band through SetWindowPos, neither moving, sizing nor activating.
#include "app/always_on_top.h"

#include <QWidget>
#include <windows.h>

namespace orr::window {

void set_always_on_top(QWidget* window, bool on)
{
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    SetWindowPos(hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

} // namespace orr::window
