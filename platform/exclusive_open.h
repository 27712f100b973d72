// Whether a file can be opened for reading and writing while nobody else holds it.
#pragma once

#include <cstdint>
#include <string>

namespace orr::platform {

enum class OpenTest {
    Closed,    // opened exclusively and closed again: nobody holds it
    NotFound,  // the file or its path vanished, or the drive is not usable
    Open,      // another handle holds it (sharing or lock violation)
    Error,     // any other failure
};

// Tries the exclusive open and releases it at once. Critical-error dialogs stay off
// during the attempt on Windows.
OpenTest test_exclusive_open(const std::string& path);

// How a failed open is read, by the system error code it reported. On Linux a held
// file is seen through its lock, not through the open, so only "not found" or "error".
OpenTest classify_windows_open_error(std::uint32_t code);
OpenTest classify_posix_open_error(int error_number);

} // namespace orr::platform
