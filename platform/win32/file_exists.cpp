// File existence on Windows: the directory search finds the name and it is no folder.
#include "platform/file_exists.h"

#include <windows.h>

#include "core/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace orr::platform {

bool file_exists(const std::string& path)
{
    // The search reads '*' and '?' as wildcards and would report some other file.
    if (path.empty() || path.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAW found{};
    const win32::SearchHandle search(FindFirstFileW(wide_path(path).c_str(), &found));
    if (!search)
        return false;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace orr::platform
