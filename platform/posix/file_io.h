// The small steps both file writers share: a descriptor with one owner, writing a whole
// buffer, a path's folder and syncing it after a rename.
#pragma once

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace orr::platform {

// Write permission for anyone: a file without any is read-only.
inline constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        if (this != &other) {
            close();
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // True when the descriptor was closed without error (or was not open).
    bool close()
    {
        if (fd_ < 0)
            return true;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

// Writes all bytes at offset (or at the file position when offset is negative).
inline bool write_all(int fd, std::string_view bytes, off_t offset = -1)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = offset < 0 ? ::write(fd, bytes.data() + done, bytes.size() - done)
                                     : ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                                offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

inline std::string folder_of(const std::string& path)
{
    const auto cut = path.rfind('/');
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

// Makes a rename durable; best effort, as the rename itself already happened.
inline void sync_folder(const std::string& folder)
{
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

} // namespace orr::platform
