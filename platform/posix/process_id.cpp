// Processes by id on Linux: a null signal tells whether the id is in use.
#include "platform/process_id.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <unistd.h>

namespace orr::platform {

std::uint32_t current_process_id() { return static_cast<std::uint32_t>(::getpid()); }

bool process_running(std::uint32_t id)
{
    // 0 and ids beyond pid_t would make kill signal a whole group.
    if (id == 0 || id > static_cast<std::uint32_t>(INT_MAX))
        return false;
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

} // namespace orr::platform
