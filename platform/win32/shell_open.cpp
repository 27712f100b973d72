// Shell open on Windows: ShellExecuteA with the verb "open" and SW_SHOWNORMAL.
#include "platform/shell_open.h"

#include <windows.h>
#include <shellapi.h>

namespace orr::platform {

void shell_open(const std::string& target, OwnerWindow owner)
{
    ShellExecuteA(static_cast<HWND>(owner), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace orr::platform
