// The small steps both file writers share: writing a whole buffer through a handle, and
// telling another handle's hold from other failures.
#pragma once

#include <windows.h>
#include <string_view>

#include "core/win32/handles.h"

namespace orr::platform {

using win32::FileHandle;

inline bool write_all(HANDLE file, std::string_view bytes)
{
    constexpr std::size_t kMaxChunk = std::size_t{1} << 30;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = static_cast<DWORD>(left > kMaxChunk ? kMaxChunk : left);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Another handle's sharing or lock keeps this one out for now.
inline bool held_elsewhere(DWORD code)
{
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
}

} // namespace orr::platform
