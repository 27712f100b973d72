// Whole-file read and crash-safe replace on Linux (temporary file, fsync, rename).
#include "platform/file_contents.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/file_update.h"
#include "platform/posix/file_io.h"
#include "platform/temporary_name.h"

namespace orr::platform {

namespace {

ReadStatus missing_or_failed()
{
    return (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Failed;
}

} // namespace

FileRead read_file(const std::string& path, std::size_t max_bytes)
{
    FileRead result;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        result.status = missing_or_failed();
        return result;
    }
    result.status = ReadStatus::Failed;
    if (!S_ISREG(info.st_mode))
        return result;
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) {
        result.status = missing_or_failed();
        return result;
    }
    // The name may have been given to something else since.
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return result;
    std::string& bytes = result.bytes;
    if (S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= max_bytes)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            bytes.clear();
            return result;
        }
        if (n == 0)
            break;
        if (static_cast<std::size_t>(n) > max_bytes - bytes.size()) {
            bytes.clear();
            bytes.shrink_to_fit();
            result.status = ReadStatus::TooLarge;
            return result;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool replace_file(const std::string& requested_path, const std::string& bytes)
{
    // A file kept elsewhere through a symlink stays linked: its target is written.
    const std::string path = update_target(requested_path);
    mode_t mode = 0666; // narrowed by the umask for a new file
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed) {
        if (!S_ISREG(old.st_mode))
            return false;
        // rename would replace a read-only file regardless of its mode; honour the mode.
        if ((old.st_mode & kWriteBits) == 0 || ::access(path.c_str(), W_OK) != 0)
            return false;
        mode = old.st_mode & 07777;
    }

    std::string temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = next_temporary_name(path);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (raw < 0 && errno != EEXIST)
            return false;
    }
    if (raw < 0)
        return false;

    Descriptor fd(raw);
    bool ok = true;
    if (existed) {
        ok = ::fchmod(fd.get(), mode) == 0; // the umask may have narrowed it at creation
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
