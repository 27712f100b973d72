// The system's memory status as GlobalMemoryStatus reports it: the load in percent
// and the physical memory and page file amounts, in bytes.
#pragma once

#include <cstdint>
#include <string_view>

namespace orr::platform {

struct MemoryStatus {
    int load_percent = 0; // share of physical memory in use
    std::uint64_t total_physical = 0;
    std::uint64_t available_physical = 0;
    std::uint64_t total_page_file = 0;
    std::uint64_t available_page_file = 0;
};

MemoryStatus memory_status();

// The Linux stand-in, read from the text of /proc/meminfo: MemTotal, MemAvailable
// (MemFree on kernels without it), SwapTotal and SwapFree, the load being the used
// share of physical memory rounded to whole percent. Missing lines read as 0.
MemoryStatus parse_meminfo(std::string_view text);

} // namespace orr::platform
