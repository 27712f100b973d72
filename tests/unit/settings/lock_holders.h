// Other holders of a file on Linux: a descriptor of ours with flock, or a child process
// with a classic record lock, which our own process's locks would not reveal.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orr::test {

class FlockHolder {
public:
    explicit FlockHolder(const std::string& path) : fd_(::open(path.c_str(), O_RDWR))
    {
        EXPECT_GE(fd_, 0);
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
    }
    ~FlockHolder() { ::close(fd_); }

private:
    int fd_;
};

class ChildRecordLockHolder {
public:
    explicit ChildRecordLockHolder(const std::string& path)
    {
        int ready[2], release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        child_ = ::fork();
        if (child_ == 0) {
            ::close(ready[0]);
            ::close(release[1]); // else our own copy would keep the release pipe open
            ::alarm(60);         // never outlive a test that went wrong
            const int fd = ::open(path.c_str(), O_RDWR);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            const char ok = (fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0) ? 'y' : 'n';
            (void)!::write(ready[1], &ok, 1);
            char ignored;
            (void)!::read(release[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char ok = 'n';
        EXPECT_EQ(::read(ready[0], &ok, 1), 1);
        EXPECT_EQ(ok, 'y');
        ::close(ready[0]);
    }
    ~ChildRecordLockHolder()
    {
        ::close(release_);
        int status = 0;
        ::waitpid(child_, &status, 0);
    }

private:
    pid_t child_ = -1;
    int release_ = -1;
};

} // namespace orr::test
