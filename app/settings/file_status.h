// Whether a file is held by another program, its attributes, and deleting it only
// when nobody holds it (how restoring the factory defaults removes the settings file).
#pragma once

#include <string>

namespace orr {

inline constexpr const char* kStatusClosed = "CLOSED";
inline constexpr const char* kStatusNotFound = "NOT FOUND";
inline constexpr const char* kStatusOpen = "OPEN";
inline constexpr const char* kStatusError = "ERROR";

// "" for an empty path or a missing file; otherwise the result of an exclusive
// read-write open: "CLOSED", "NOT FOUND", "OPEN" (another program holds it) or "ERROR".
std::string File_Open_Status(const std::string& path);

// Sets exactly the requested attributes; true when they read back as set.
// A missing file gives false.
bool Set_File_Attributes(const std::string& path, bool read_only, bool archive, bool system, bool hidden);

// Clears the file's attributes and deletes it when it is "CLOSED". True when the file
// is gone afterwards; false for a missing file or one that is in use or inaccessible.
bool Delete_Closed_File(const std::string& path);

} // namespace orr
