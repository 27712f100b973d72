// Exact-byte file helpers for the settings tests.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace orr::test {

inline void put_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string get_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#ifdef _WIN32
inline constexpr const char* kEol = "\r\n";
#else
inline constexpr const char* kEol = "\n";
#endif

// Joins lines, each ended by the platform's line end, as a new settings file has them.
inline std::string native_lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + kEol;
    return text;
}

// What an edit took out of the old text; a settings write may only ever change the
// text of one line, so this never holds a line break.
inline std::string removed_by_edit(const std::string& before, const std::string& after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    return before.substr(prefix, before.size() - prefix - suffix);
}

} // namespace orr::test
