// Shell open on Windows: ShellExecuteW with the verb "open" and SW_SHOWNORMAL.
#include "platform/shell_open.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace orr::platform {

void shell_open(const std::string& target, OwnerWindow owner)
{
    ShellExecuteW(static_cast<HWND>(owner), L"open", to_wide(target).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

} // namespace orr::platform
