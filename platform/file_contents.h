// Reading a whole file and replacing it so that no reader ever sees it half written.
#pragma once

#include <cstddef>
#include <string>

namespace orr::platform {

enum class ReadStatus {
    Ok,
    Missing,  // neither the file nor, possibly, its folder is there
    Failed,   // it is there but could not be read (no regular file, no access, held)
    TooLarge, // it holds more than the reader's limit; nothing of it is kept
};

// Every file the program reads is a few hundred bytes; anything past this is none of its files.
inline constexpr std::size_t kMaxReadBytes = std::size_t{1} << 20;
// Files are read in pieces of this size.
inline constexpr std::size_t kReadChunk = 65536;

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

// Only a regular file is read: a device or a fifo is never opened, since opening or reading
// one can block or have effects. Reading stops once more than max_bytes came (a runaway
// file). On Windows a file that a writer holds for a moment is waited for briefly.
FileRead read_file(const std::string& path, std::size_t max_bytes = kMaxReadBytes);

// Writes the bytes to a new temporary file in the same folder, flushes it to disk and
// renames it over the target in one step. On any failure the target is left exactly
// as it was, the temporary file is removed, and false is returned. A read-only target
// counts as a failure. The target's permissions or attributes are carried over.
bool replace_file(const std::string& path, const std::string& bytes);

} // namespace orr::platform
