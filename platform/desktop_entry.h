// A freedesktop desktop entry file kept as its lines: keys of its main group are read
// and rewritten while everything else (other keys, translations, comments, other groups)
// stays as it was. Also the general escapes of string values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orr::platform {

class DesktopEntry {
public:
    static constexpr std::string_view kMainGroup = "Desktop Entry";

    // Nothing when the text is no desktop entry: a line that is neither blank, comment,
    // group header nor key=value, or a first group other than the main one.
    static std::optional<DesktopEntry> parse(std::string_view text);
    // An entry with nothing but its main group's header.
    static DesktopEntry empty();

    // A key of the main group as it stands in the file (escapes not undone).
    std::optional<std::string> value(std::string_view key) const;
    // Rewrites every line of the key in the main group; adds one at the group's end when
    // there is none.
    void set(std::string_view key, std::string_view raw_value);
    // Drops every line of the key in the main group.
    void remove(std::string_view key);
    std::string text() const;

private:
    DesktopEntry() = default;

    std::vector<std::string> lines_;
    std::size_t group_end_ = 0; // one past the main group's last line
};

// The escapes of a string value: "\\", "\n", "\t", "\r", and "\s" for a leading space.
std::string escape_string_value(std::string_view text);
// Undoes them; a backslash before any other character stays as it is.
std::string unescape_string_value(std::string_view value);

} // namespace orr::platform
