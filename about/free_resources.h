// The About window's free-resources figure, from the system's memory status.
#pragma once

#include <string>

#include "platform/memory_status.h"

namespace orr {

// 100 minus the memory load; with a load of 0, the free share of physical memory and
// page file together, in kilobytes, rounded to a whole percent.
int free_resources_percent(const platform::MemoryStatus& status);

// The figure followed directly by "%".
std::string free_resources_caption(const platform::MemoryStatus& status);

} // namespace orr
