// Whether a name is an existing file: the system finds it and it is not a folder.
#pragma once

#include <string>

namespace orr::platform {

bool file_exists(const std::string& path);

} // namespace orr::platform
