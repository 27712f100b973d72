// The desktop's opener xdg-open, found on PATH and started detached with one argument.
// The intermediate child exits at once and is reaped here, so the opener belongs to init
// and no zombie is left; nothing in the program's own signal handling (Qt's included) is
// touched.
#include "platform/posix/desktop_opener.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orr::platform {
namespace {

constexpr const char* kOpener = "xdg-open";
constexpr int kExecFailed = 127;

bool is_executable_file(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string search_path()
{
    if (const char* path = std::getenv("PATH"))
        return path;
    // No PATH at all: the system's default, as execvp would use.
    std::string fallback(::confstr(_CS_PATH, nullptr, 0), '\0');
    if (fallback.empty())
        return {};
    ::confstr(_CS_PATH, fallback.data(), fallback.size());
    fallback.pop_back();
    return fallback;
}

// The first executable file of that name in a folder of PATH; an empty entry is the
// current folder, as the shell reads it.
std::optional<std::string> find_on_path(std::string_view name)
{
    const std::string folders = search_path();
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        // An empty entry means the working folder. Built by appending: g++ 12 warns
        // falsely about overlapping copies on assignments and "+" chains here.
        const std::string_view folder = std::string_view(folders).substr(start, end - start);
        std::string candidate(folder.empty() ? std::string_view(".") : folder);
        candidate += '/';
        candidate.append(name);
        if (is_executable_file(candidate))
            return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

// Runs in the grandchild after fork: async-signal-safe calls only.
[[noreturn]] void exec_detached(const char* program, char* const argv[])
{
    ::setsid();
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &plain, nullptr);
    ::sigaction(SIGCHLD, &plain, nullptr);
    ::close_range(STDERR_FILENO + 1, ~0U, 0);
    ::execv(program, argv);
    ::_exit(kExecFailed);
}

} // namespace

bool desktop_opener_found() { return find_on_path(kOpener).has_value(); }

void start_desktop_opener(const std::string& argument)
{
    const std::optional<std::string> opener = find_on_path(kOpener);
    if (!opener)
        return;
    // Built before fork: the children may not allocate.
    std::string arg0 = kOpener;
    std::string arg1 = argument;
    std::vector<char*> argv{arg0.data(), arg1.data(), nullptr};

    const pid_t child = ::fork();
    if (child < 0)
        return;
    if (child == 0) {
        // Only async-signal-safe calls in the child of a threaded program: _Fork, not fork.
        if (::_Fork() == 0)
            exec_detached(opener->c_str(), argv.data());
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace orr::platform
