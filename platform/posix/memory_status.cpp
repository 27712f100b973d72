// Memory status on Linux, from /proc/meminfo.
#include "platform/memory_status.h"

#include "platform/file_contents.h"

namespace orr::platform {

MemoryStatus memory_status()
{
    const FileRead read = read_file("/proc/meminfo");
    return read.status == ReadStatus::Ok ? parse_meminfo(read.bytes) : MemoryStatus{};
}

} // namespace orr::platform
