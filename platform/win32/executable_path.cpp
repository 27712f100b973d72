// Executable path on Windows: the module file name of the running process.
#include "platform/executable_path.h"

#include <windows.h>

namespace orr::platform {

char path_separator() { return '\\'; }

std::string executable_path() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    // A full buffer means the name was cut short; a cut name is no usable path.
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(buffer, length);
}

std::string executable_folder() {
    const std::string path = executable_path();
    const auto cut = path.rfind('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string executable_file_name() {
    const std::string path = executable_path();
    const auto cut = path.rfind('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace orr::platform
