// Processes by id: our own, and whether another one still runs.
#pragma once

#include <cstdint>

namespace orr::platform {

std::uint32_t current_process_id();

// True while a process with that id exists (also one we may not signal or inspect).
bool process_running(std::uint32_t id);

} // namespace orr::platform
