// One read-modify-write of a file under an exclusive hold: it is opened and locked
// once, read once, and written once, either by an atomic replace or, where a rename
// would change what the file is (its owner, mode, hard links) or the folder takes no
// new file, rewritten in place. Another program's hold is honoured, never bypassed.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace orr::platform {

// The name an update of path writes: symbolic links are followed (on Linux even to a
// target that does not exist yet), so a link keeps pointing where it pointed.
std::string update_target(const std::string& path);

// Makes a write beyond the process's file-size limit fail, as on a full disk, instead of
// ending the process (SIGXFSZ), so that a save can report it. Called once at start.
void report_file_size_limit_as_write_error();

class FileUpdate {
public:
    // Opens the file for reading and writing (creating it empty when missing) and
    // takes the exclusive hold, waiting up to lock_wait while another holds it.
    // Not ready() when the file cannot be had: held beyond the wait, not a regular
    // file, read-only, unreadable, or larger than max_bytes.
    FileUpdate(const std::string& path, std::size_t max_bytes, std::chrono::milliseconds lock_wait);
    struct State;
    // The same over another system's calls (platform/file_update_state.h).
    FileUpdate(std::unique_ptr<State> state, const std::string& path, std::size_t max_bytes,
               std::chrono::milliseconds lock_wait);
    // Lets go of the file without writing; a file that opening created and nothing
    // was written to is removed again.
    ~FileUpdate();
    FileUpdate(const FileUpdate&) = delete;
    FileUpdate& operator=(const FileUpdate&) = delete;

    bool ready() const;
    // The file's bytes as opened.
    const std::string& bytes() const;

    // Writes the new contents, flushed to disk, and lets go of the file. False on any
    // failure; an atomic replace that fails leaves the old bytes. Once only.
    bool commit(const std::string& bytes);

private:
    std::unique_ptr<State> state_;
};

} // namespace orr::platform
