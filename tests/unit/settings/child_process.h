// Steps run in a child process: as another user, so that folder and file permissions
// apply as they do to a user (the tests may run as root), or as a second copy of the
// program that saves at the same time or is killed half way.
#pragma once

#include <functional>
#include <grp.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orr::test {

// The usual "nobody" of Debian.
inline constexpr uid_t kOtherUser = 65534;
inline constexpr gid_t kOtherGroup = 65534;

inline bool running_as_root() { return ::geteuid() == 0; }

class ChildProcess {
public:
    // Starts step in a child; what it returns comes back through answer(). As root,
    // as_other_user makes the child kOtherUser first; without root it stays our user.
    explicit ChildProcess(const std::function<std::string()>& step, bool as_other_user = false)
    {
        int pipe_ends[2];
        if (::pipe(pipe_ends) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(pipe_ends[0]);
            ::alarm(kChildSeconds); // never outlive a test that went wrong
            if (as_other_user && running_as_root() &&
                (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGroup) != 0 || ::setuid(kOtherUser) != 0)) {
                ::_exit(kSetupFailed);
            }
            std::string answer;
            try {
                answer = step();
            } catch (const std::exception& e) {
                answer = std::string("raised: ") + e.what();
            }
            const char* at = answer.data();
            std::size_t left = answer.size();
            while (left > 0) {
                const ssize_t n = ::write(pipe_ends[1], at, left);
                if (n <= 0)
                    break;
                at += n;
                left -= static_cast<std::size_t>(n);
            }
            ::_exit(0);
        }
        ::close(pipe_ends[1]);
        output_ = pipe_ends[0];
    }
    ~ChildProcess() { wait(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }

    // Waits for the child and returns what its step returned ("" when it was killed).
    std::string answer()
    {
        std::string text;
        char chunk[256];
        for (ssize_t n; output_ >= 0 && (n = ::read(output_, chunk, sizeof chunk)) > 0;)
            text.append(chunk, static_cast<std::size_t>(n));
        wait();
        return text;
    }

    void wait()
    {
        if (output_ >= 0)
            ::close(output_);
        output_ = -1;
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }

private:
    static constexpr unsigned kChildSeconds = 60;
    static constexpr int kSetupFailed = 3;
    pid_t pid_ = -1;
    int output_ = -1;
};

} // namespace orr::test
