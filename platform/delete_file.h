// Removing a file by name.
#pragma once

#include <string>

namespace orr::platform {

// True when the system reports the file deleted.
bool delete_file(const std::string& path);

} // namespace orr::platform
