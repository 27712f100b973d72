// Where the program's UTF-8 text meets the UTF-16 of Windows' wide calls, and the forms a
// path takes there. Conversions are strict: a name that does not convert is not handed
// on at all, never a look-alike that could name another file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orr::platform {

// "" when the text is not valid UTF-8.
std::wstring to_wide(std::string_view utf8);

// "" when the text holds a lone surrogate, which UTF-8 cannot carry.
std::string to_utf8(std::wstring_view wide);

// A path for the file calls: wide, and in its \\?\ form once it reaches MAX_PATH, so that
// a deep folder works whatever the system's long-path switch says.
std::wstring wide_path(const std::string& utf8);

// The path in the ANSI code page, for the calls that have no wide form; nothing when a
// character of it has no exact place there.
std::optional<std::string> ansi_path(const std::string& utf8);

} // namespace orr::platform
