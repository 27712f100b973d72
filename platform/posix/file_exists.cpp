// File existence on Linux: stat finds the name and it is not a directory.
#include "platform/file_exists.h"

#include <sys/stat.h>

namespace orr::platform {

bool file_exists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace orr::platform
