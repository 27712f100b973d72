// File attributes on Windows, through GetFileAttributesW and SetFileAttributesW.
#include "platform/file_attributes.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace orr::platform {

std::optional<unsigned> file_attributes(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(wide_path(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return static_cast<unsigned>(attributes) & kAttrAll;
}

bool set_file_attributes(const std::string& path, unsigned bits)
{
    const DWORD wanted = bits & kAttrAll;
    return SetFileAttributesW(wide_path(path).c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted) != 0;
}

} // namespace orr::platform
