// The application's own window: never seen (it has no size), it owns the main window and
// stands for the program on the taskbar and in Alt+Tab under the application title, so
// the main window's caption is free for the clock. Minimising it hides the windows it
// owns; restoring it brings them back.
#pragma once

#include <windows.h>

#include "core/win32/window.h"

class ApplicationWindow : public orr::win32::Window {
public:
    ApplicationWindow();

    // The window the taskbar's Close and activation go to.
    void SetMainWindow(HWND main) { main_ = main; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    HWND main_ = nullptr;
};
