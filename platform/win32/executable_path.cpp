// Executable path on Windows: the module file name of the running process, in UTF-16 and
// so whatever the code page lacks. A name of MAX_PATH characters or more is a real path,
// not a cut one: the buffer grows to it.
#include "platform/executable_path.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace orr::platform {
namespace {

// The longest name the system keeps for a module.
constexpr DWORD kLongestPath = 32768;

} // namespace

char path_separator() { return '\\'; }

std::string running_executable_path()
{
    for (DWORD size = MAX_PATH; size <= kLongestPath; size *= 2) {
        std::wstring buffer(size, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return {};
        // A full buffer means the name was cut short: try again with more room.
        if (length < size)
            return to_utf8(std::wstring_view(buffer.data(), length));
    }
    return {};
}

} // namespace orr::platform
