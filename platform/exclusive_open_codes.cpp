// Reading the error codes of a failed exclusive open; shared by both platforms' tests.
#include "platform/exclusive_open.h"

#include <cerrno>

namespace orr::platform {

OpenTest classify_windows_open_error(std::uint32_t code) {
    switch (code) {
    case 2:   // file not found
    case 3:   // path not found
    case 21:  // drive not ready
    case 26:  // not a DOS disk
    case 27:  // sector not found
        return OpenTest::NotFound;
    case 32:  // sharing violation
    case 33:  // lock violation
        return OpenTest::Open;
    default:
        return OpenTest::Error;
    }
}

OpenTest classify_posix_open_error(int error_number) {
    switch (error_number) {
    case ENOENT:
    case ENOTDIR:
        return OpenTest::NotFound;
    default:
        return OpenTest::Error;
    }
}

} // namespace orr::platform
