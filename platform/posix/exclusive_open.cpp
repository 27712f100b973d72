// Exclusive-open test on Linux: open read-write, then try both kinds of exclusive lock
// without waiting. flock and record locks do not see each other, so a holder using
// either one makes the file "open".
#include "platform/exclusive_open.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orr::platform {

namespace {

bool lock_refused(int error_number) {
    return error_number == EWOULDBLOCK || error_number == EAGAIN || error_number == EACCES;
}

// Open-file-description record lock: conflicts with other processes' fcntl locks and
// with other descriptors, and closing our descriptor drops nobody else's lock.
bool record_lock_held_elsewhere(int fd) {
    struct flock request {};
    request.l_type = F_WRLCK;
    request.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &request) != 0 && lock_refused(errno);
}

bool flock_held_elsewhere(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) != 0 && lock_refused(errno);
}

} // namespace

OpenTest test_exclusive_open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return classify_posix_open_error(errno);
    // Filesystems without lock support refuse with other codes; the open itself succeeded.
    const bool held = flock_held_elsewhere(fd) || record_lock_held_elsewhere(fd);
    ::close(fd);
    return held ? OpenTest::Open : OpenTest::Closed;
}

} // namespace orr::platform
