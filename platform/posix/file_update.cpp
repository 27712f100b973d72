// A locked read-modify-write on Linux: flock and an open-file-description record lock
// on the file itself; the new bytes go through a temporary file, named only once it is
// complete, and a rename, or into the file itself where a rename would not keep the
// file as it is.
#include "platform/file_update.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/file_update_state.h"
#include "platform/posix/file_io.h"

namespace orr::platform {

namespace {

constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kNewFileMode = 0666;   // narrowed by the umask
constexpr mode_t kTemporaryMode = 0600; // until it carries the target's owner and mode
constexpr int kMaxLinkHops = 40;        // the kernel's own limit

bool same_file(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool lock_refused(int error_number)
{
    return error_number == EWOULDBLOCK || error_number == EAGAIN || error_number == EACCES;
}

// Both kinds of lock, so that a holder of either kind is seen. A file system without
// locks refuses with other codes; such a file is written unlocked.
bool try_lock(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && lock_refused(errno))
        return false;
    struct flock record {};
    record.l_type = F_WRLCK;
    record.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &record) != 0 && lock_refused(errno)) {
        ::flock(fd, LOCK_UN);
        return false;
    }
    return true;
}

std::string read_link(const std::string& path)
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

// Removes a temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string name) : name_(std::move(name)) {}
    ~TemporaryFile()
    {
        if (!name_.empty())
            ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& name() const { return name_; }
    void take(std::string name) { name_ = std::move(name); }
    void keep() { name_.clear(); }

private:
    std::string name_;
};

class PosixUpdate final : public FileUpdate::State {
    Hold hold() override;
    std::optional<std::uint64_t> opened_size() override { return static_cast<std::uint64_t>(opened.st_size); }
    std::optional<std::size_t> read_some(char* into, std::size_t size) override;
    bool has_other_links() override { return opened.st_nlink > 1; }
    Written replace_beside(const std::string& new_bytes) override;
    bool rewrite_in_place(const std::string& new_bytes) override;
    void close(bool remove_if_empty) override;

    Written open_named(Descriptor& temp, TemporaryFile& guard) const;
    bool name_unnamed(const Descriptor& temp, TemporaryFile& guard) const;

    Descriptor fd;
    struct stat opened {};
};

} // namespace

std::unique_ptr<FileUpdate::State> new_update_state() { return std::make_unique<PosixUpdate>(); }

void report_file_size_limit_as_write_error() { std::signal(SIGXFSZ, SIG_IGN); }

std::string update_target(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        const std::string target = read_link(current);
        if (target.empty())
            return current;
        current = target.front() == '/' ? target : folder_of(current) + "/" + target;
    }
    return current; // a loop of links: the open fails on it
}

Hold PosixUpdate::hold()
{
    struct stat existing {};
    // A device or a fifo is never opened: opening one can block or have effects.
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode))
        return Hold::Failed;

    // Created only when missing: O_CREAT on another user's file in a sticky folder is
    // refused even where the file itself may be written.
    Descriptor file(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    bool made = false;
    if (!file.valid() && errno == ENOENT) {
        file = Descriptor(
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, kNewFileMode));
        if (!file.valid() && errno == EEXIST)
            return Hold::Again;
        made = file.valid();
    }
    if (!file.valid())
        return Hold::Failed;

    struct stat info {};
    // A read-only file stays unwritten even for a user whom the system would let write it.
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        (!made && (info.st_mode & kWriteBits) == 0)) {
        if (made)
            ::unlink(path.c_str());
        return Hold::Failed;
    }
    if (!try_lock(file.get()))
        return Hold::Held;
    // The holder we waited for may have renamed a new file over this one, or removed it.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !same_file(named, info))
        return Hold::Again;

    fd = std::move(file);
    opened = info;
    created = made;
    return Hold::Ready;
}

std::optional<std::size_t> PosixUpdate::read_some(char* into, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::read(fd.get(), into, size);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            return std::nullopt;
    }
}

Written PosixUpdate::replace_beside(const std::string& new_bytes)
{
    // The new file is made without a name and named only once it is complete and on
    // disk, so a save cut short leaves no temporary file behind; a file system without
    // unnamed files gets a named one from the start.
    Descriptor temp(::open(folder_of(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kTemporaryMode));
    const bool unnamed = temp.valid();
    if (!unnamed && (errno == EACCES || errno == EPERM || errno == EROFS))
        return Written::Refused;
    TemporaryFile guard("");
    if (!unnamed) {
        const Written named = open_named(temp, guard);
        if (named != Written::Done)
            return named;
    }

    // The new file must be the old one's equal in owner and mode, or it is not used.
    const mode_t mode = opened.st_mode & kPermissionBits;
    struct stat made {};
    if (::fstat(temp.get(), &made) != 0)
        return Written::Failed;
    if ((made.st_uid != opened.st_uid || made.st_gid != opened.st_gid) &&
        ::fchown(temp.get(), opened.st_uid, opened.st_gid) != 0) {
        return Written::Refused;
    }
    if (::fchmod(temp.get(), mode) != 0 || ::fstat(temp.get(), &made) != 0 || made.st_uid != opened.st_uid ||
        made.st_gid != opened.st_gid || (made.st_mode & kPermissionBits) != mode) {
        return Written::Refused;
    }

    if (!write_all(temp.get(), new_bytes) || ::fsync(temp.get()) != 0)
        return Written::Failed;
    if (unnamed && !name_unnamed(temp, guard))
        return Written::Failed;
    if (!temp.close())
        return Written::Failed;
    // A sticky folder refuses to rename over a file of another user.
    if (::rename(guard.name().c_str(), path.c_str()) != 0)
        return (errno == EPERM || errno == EACCES || errno == EBUSY) ? Written::Refused : Written::Failed;
    guard.keep();
    sync_folder(folder_of(path));
    return Written::Done;
}

Written PosixUpdate::open_named(Descriptor& temp, TemporaryFile& guard) const
{
    return make_temporary(path, [&](const std::string& name) -> std::optional<Written> {
        temp = Descriptor(
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kTemporaryMode));
        if (temp.valid()) {
            guard.take(name);
            return Written::Done;
        }
        if (errno == EEXIST)
            return std::nullopt;
        return (errno == EACCES || errno == EPERM || errno == EROFS) ? Written::Refused : Written::Failed;
    });
}

bool PosixUpdate::name_unnamed(const Descriptor& temp, TemporaryFile& guard) const
{
    // Naming a descriptor directly needs a privilege; its /proc link does not.
    const std::string self = "/proc/self/fd/" + std::to_string(temp.get());
    const Written named = make_temporary(path, [&](const std::string& name) -> std::optional<Written> {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            guard.take(name);
            return Written::Done;
        }
        return errno == EEXIST ? std::nullopt : std::optional(Written::Failed);
    });
    return named == Written::Done;
}

bool PosixUpdate::rewrite_in_place(const std::string& new_bytes)
{
    const auto new_size = static_cast<off_t>(new_bytes.size());
    if (new_size > opened.st_size) {
        // The room is taken first, so that a full disk fails before an old byte is overwritten.
        const int rc = ::posix_fallocate(fd.get(), opened.st_size, new_size - opened.st_size);
        if (rc == ENOSPC || rc == EFBIG || rc == EDQUOT)
            return false;
    }
    return write_all(fd.get(), new_bytes, 0) && ::ftruncate(fd.get(), new_size) == 0 &&
           ::fsync(fd.get()) == 0;
}

void PosixUpdate::close(bool remove_if_empty)
{
    if (remove_if_empty && fd.valid()) {
        struct stat now {};
        struct stat named {};
        if (::fstat(fd.get(), &now) == 0 && now.st_size == 0 && ::stat(path.c_str(), &named) == 0 &&
            same_file(now, named)) {
            ::unlink(path.c_str());
        }
    }
    fd.close(); // drops both locks
}

} // namespace orr::platform
