// A profile (INI) file held as its exact bytes, looked up and edited line by line
// with the rules of the system's profile functions. Lines it does not touch stay
// byte for byte as they were.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orr {

// A value reads as at most this many characters, as through a 2048-byte buffer.
inline constexpr std::size_t kMaxProfileValueLength = 2047;

class IniText {
public:
    // new_line_end: what a line added to a file without any line end yet ends with.
    explicit IniText(std::string bytes = {}, std::string_view new_line_end = "\n");

    const std::string& bytes() const { return bytes_; }

    // The value of the first occurrence of key in the first occurrence of section,
    // names matched without regard to ASCII case; surrounding blanks and one matching
    // pair of quotes removed; cut to kMaxProfileValueLength. nullopt when absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the line of that key, or adds it at the end of the section's entries,
    // or adds the section at the end of the file. Names and value must not hold line
    // breaks or NULs; the key must not hold "=" nor start with "[" or ";".
    // Returns false when the file already held exactly that line.
    bool set_value(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string bytes_;
    std::string new_line_end_;
};

} // namespace orr
