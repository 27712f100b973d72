// Whole-file read and crash-safe replace on Linux (temporary file, fsync, rename).
#include "platform/file_contents.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace orr::platform {

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool close() {
        if (fd_ < 0) return true;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

bool write_all(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A settings file kept elsewhere through a symlink stays linked: write its target.
std::string resolve_link(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::unique_ptr<char, decltype(&std::free)> target(realpath(path.c_str(), nullptr), &std::free);
    return target ? std::string(target.get()) : path;
}

std::string folder_of(const std::string& path) {
    const auto cut = path.rfind('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename itself already happened
    ::close(fd);
}

} // namespace

FileRead read_file(const std::string& path) {
    FileRead result;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Failed;
        return result;
    }
    result.status = ReadStatus::Failed;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || S_ISDIR(info.st_mode)) return result;
    std::string& bytes = result.bytes;
    if (S_ISREG(info.st_mode)) bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            bytes.clear();
            return result;
        }
        if (n == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool replace_file(const std::string& requested_path, const std::string& bytes) {
    const std::string path = resolve_link(requested_path);
    mode_t mode = 0666;  // narrowed by the umask for a new file
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed) {
        if (!S_ISREG(old.st_mode)) return false;
        // rename would replace a read-only file regardless of its mode; honour the mode.
        if ((old.st_mode & kWriteBits) == 0 || ::access(path.c_str(), W_OK) != 0) return false;
        mode = old.st_mode & 07777;
    }

    static std::atomic<unsigned> counter{0};
    std::string temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = path + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (raw < 0 && errno != EEXIST) return false;
    }
    if (raw < 0) return false;

    Descriptor fd(raw);
    bool ok = true;
    if (existed) {
        ok = ::fchmod(fd.get(), mode) == 0;  // the umask may have narrowed it at creation
        if (ok && ::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
            // Another owner's file cannot be handed back to them by us; keep our ownership.
        }
    }
    ok = ok && write_all(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    sync_folder(folder_of(path));
    return true;
}

} // namespace orr::platform
