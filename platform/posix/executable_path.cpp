// Executable path on Linux: the resolved target of /proc/self/exe.
#include "platform/executable_path.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace orr::platform {

char path_separator() { return '/'; }

std::string executable_path() {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath("/proc/self/exe", nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

std::string executable_folder() {
    const std::string path = executable_path();
    const auto cut = path.rfind('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string executable_file_name() {
    const std::string path = executable_path();
    const auto cut = path.rfind('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace orr::platform
