// The executable's folder and file name, cut from its path; the path is the system's,
// or the one it gave at start-up, so that a folder is never empty and no file of the
// program lands in the working directory.
#include "platform/executable_path.h"

namespace orr::platform {
namespace {

const std::string& startup_path()
{
    static const std::string path = running_executable_path();
    return path;
}

// Taken before main runs, while the executable is surely where it was started from.
[[maybe_unused]] const bool startup_path_taken = (startup_path(), true);

} // namespace

std::string executable_path()
{
    std::string now = running_executable_path();
    return now.empty() ? startup_path() : now;
}

std::string executable_folder()
{
    const std::string path = executable_path();
    const auto cut = path.rfind(path_separator());
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string executable_file_name()
{
    const std::string path = executable_path();
    const auto cut = path.rfind(path_separator());
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace orr::platform
