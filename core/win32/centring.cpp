#include "core/win32/centring.h"

namespace orr::win32 {

void centre_window(HWND window, HWND on, CentreOn area)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT frame{};
    if (!GetMonitorInfoA(MonitorFromWindow(on ? on : window, MONITOR_DEFAULTTOPRIMARY), &monitor) ||
        !GetWindowRect(window, &frame))
        return;
    const RECT& within = area == CentreOn::WorkArea ? monitor.rcWork : monitor.rcMonitor;
    const int x = within.left + (within.right - within.left - (frame.right - frame.left)) / 2;
    const int y = within.top + (within.bottom - within.top - (frame.bottom - frame.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace orr::win32
