// File attributes on Windows, through GetFileAttributesA and SetFileAttributesA.
#include "platform/file_attributes.h"

#include <windows.h>

namespace orr::platform {

std::optional<unsigned> file_attributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return static_cast<unsigned>(attributes) & kAttrAll;
}

bool set_file_attributes(const std::string& path, unsigned bits) {
    const DWORD wanted = bits & kAttrAll;
    return SetFileAttributesA(path.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted) != 0;
}

} // namespace orr::platform
