#include "app/win32/application_window.h"

#include "app/win32/resource.h"

namespace {

const orr::win32::WindowClass kApplicationClass{"TApplication", "application", 0, -1,
                                                MAKEINTRESOURCEA(IDI_ORRINDALE)};

} // namespace

ApplicationWindow::ApplicationWindow()
{
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    // The system menu and minimise box give the taskbar button its menu.
    Create(kApplicationClass, {.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                               .bounds = {x, y, x, y}});
    // Shown without ShowWindow, which would spend the launcher's show state on it.
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CLOSE:
        // While a modal box is open the main window is not to be closed under it.
        if (main_ && IsWindowEnabled(main_))
            PostMessageA(main_, WM_CLOSE, 0, 0);
        return 0;
    case WM_ACTIVATE:
        // Chosen on the taskbar or with Alt+Tab: the keyboard goes to the main window, or
        // to the box it has open.
        if (LOWORD(wparam) != WA_INACTIVE && main_ && IsWindowVisible(main_)) {
            SetActiveWindow(IsWindowEnabled(main_) ? main_ : GetLastActivePopup(main_));
            return 0;
        }
        break;
    }
    return Window::HandleMessage(message, wparam, lparam);
}
