// The show-window value of the process's start-up information.
#include "app/launcher_show_state.h"

#include <windows.h>

namespace orr::window {

ShowState launcher_show_state()
{
    STARTUPINFOA info{};
    info.cb = sizeof info;
    GetStartupInfoA(&info);
    if (!(info.dwFlags & STARTF_USESHOWWINDOW))
        return ShowState::Normal;
    switch (info.wShowWindow) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        return ShowState::Minimized;
    case SW_SHOWMAXIMIZED:
        return ShowState::Maximized;
    default:
        return ShowState::Normal;
    }
}

} // namespace orr::window
