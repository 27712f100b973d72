// Program start: the application's window, then the main window it owns, whose start-up
// sequence shows it, then the message loop. The About window is made when it is first
// asked for.
#include <windows.h>
#include <commctrl.h>

#include "app/win32/application_window.h"
#include "app/win32/main_form1.h"
#include "app/win32/win32_dialogs.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Win32Dialogs dialogs;
    orr::set_dialogs(&dialogs);
    ApplicationWindow application;
    TMainForm1 main_form(application.Handle());
    application.SetMainWindow(main_form.Handle());
    dialogs.SetOwner(main_form.Handle());
    main_form.Start();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (main_form.TranslateShortcut(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    orr::set_dialogs(nullptr);
    return static_cast<int>(message.wParam);
}
