// Processes by id on Windows: open the process for a query and ask whether it ended.
#include "platform/process_id.h"

#include <windows.h>

namespace orr::platform {

namespace {

class ProcessHandle {
public:
    explicit ProcessHandle(HANDLE handle) : handle_(handle) {}
    ~ProcessHandle()
    {
        if (handle_ != nullptr)
            CloseHandle(handle_);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

std::uint32_t current_process_id() { return GetCurrentProcessId(); }

bool process_running(std::uint32_t id)
{
    const ProcessHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    // A process of another user may refuse the query: it exists all the same.
    if (process.get() == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    return GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE;
}

} // namespace orr::platform
