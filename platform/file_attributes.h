// The four classic file attribute bits, read and set as one value.
// On Linux read-only means "no write bits"; the other three always read back clear.
#pragma once

#include <optional>
#include <string>

namespace orr::platform {

inline constexpr unsigned kAttrReadOnly = 0x01;
inline constexpr unsigned kAttrHidden = 0x02;
inline constexpr unsigned kAttrSystem = 0x04;
inline constexpr unsigned kAttrArchive = 0x20;
inline constexpr unsigned kAttrAll = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

// The file's attribute bits, restricted to kAttrAll; nullopt when they cannot be read.
std::optional<unsigned> file_attributes(const std::string& path);

// Sets exactly the given bits of kAttrAll, clearing the others. False on failure.
bool set_file_attributes(const std::string& path, unsigned bits);

} // namespace orr::platform
