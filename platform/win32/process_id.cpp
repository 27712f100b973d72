// Processes by id on Windows: open the process for a query and ask whether it ended.
#include "platform/process_id.h"

#include <windows.h>

#include "core/win32/handles.h"

namespace orr::platform {

std::uint32_t current_process_id() { return GetCurrentProcessId(); }

bool process_running(std::uint32_t id)
{
    const win32::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    // A process of another user may refuse the query: it exists all the same.
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    return GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE;
}

} // namespace orr::platform
