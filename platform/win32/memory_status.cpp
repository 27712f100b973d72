// Memory status on Windows: GlobalMemoryStatus.
#include "platform/memory_status.h"

#include <windows.h>

namespace orr::platform {

MemoryStatus memory_status()
{
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return {static_cast<int>(status.dwMemoryLoad), status.dwTotalPhys, status.dwAvailPhys,
            status.dwTotalPageFile, status.dwAvailPageFile};
}

} // namespace orr::platform
