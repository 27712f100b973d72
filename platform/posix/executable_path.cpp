// Executable path on Linux: /proc/self/exe, which the kernel keeps as the resolved path
// of the running file. An executable replaced while running (an upgrade) reads as
// "<path> (deleted)"; its folder is still the one it was started from.
#include "platform/executable_path.h"

#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace orr::platform {
namespace {

constexpr std::string_view kDeletedMark = " (deleted)";
constexpr std::size_t kFirstBuffer = 256;
constexpr std::size_t kLongestLink = 1 << 16;

std::string link_target(const char* link)
{
    for (std::size_t size = kFirstBuffer; size <= kLongestLink; size *= 2) {
        std::string target(size, '\0');
        const ssize_t length = readlink(link, target.data(), target.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
    }
    return {};
}

bool exists(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

} // namespace

char path_separator() { return '/'; }

std::string running_executable_path()
{
    std::string path = link_target("/proc/self/exe");
    // A file really named so keeps its name.
    if (path.ends_with(kDeletedMark) && !exists(path))
        path.resize(path.size() - kDeletedMark.size());
    return path;
}

} // namespace orr::platform
