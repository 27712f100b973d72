// File attributes on Linux: only read-only has a meaning, as the absence of write bits.
#include "platform/file_attributes.h"

#include <sys/stat.h>

#include "platform/posix/file_io.h"

namespace orr::platform {

std::optional<unsigned> file_attributes(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return (info.st_mode & kWriteBits) == 0 ? kAttrReadOnly : 0u;
}

bool set_file_attributes(const std::string& path, unsigned bits) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    const mode_t old_mode = info.st_mode & 07777;
    // Clearing read-only gives the owner write access back; group and others stay as they were.
    const mode_t new_mode = (bits & kAttrReadOnly) ? (old_mode & ~kWriteBits)
                            : (old_mode & kWriteBits) ? old_mode
                                                      : (old_mode | S_IWUSR);
    return new_mode == old_mode || ::chmod(path.c_str(), new_mode) == 0;
}

} // namespace orr::platform
