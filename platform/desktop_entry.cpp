// Desktop entry lines: the main group located once, its keys found by name.
#include "platform/desktop_entry.h"

#include <utility>

namespace orr::platform {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trim_end(std::string_view s)
{
    const auto last = s.find_last_not_of(" \t\r");
    return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

std::string_view trim(std::string_view s)
{
    s = trim_end(s);
    const auto first = s.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

bool is_comment(std::string_view line)
{
    const std::string_view t = trim(line);
    return t.empty() || t.front() == '#';
}

// "[name]": the group's name; nothing for any other line.
std::optional<std::string_view> group_of(std::string_view line)
{
    const std::string_view t = trim_end(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']')
        return std::nullopt;
    return t.substr(1, t.size() - 2);
}

bool is_key_char(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// A key is letters, digits and hyphens, optionally followed by a "[locale]".
bool is_key(std::string_view key)
{
    const auto bracket = key.find('[');
    const std::string_view name = key.substr(0, bracket);
    if (name.empty())
        return false;
    for (char c : name) {
        if (!is_key_char(c))
            return false;
    }
    if (bracket == std::string_view::npos)
        return true;
    const std::string_view locale = key.substr(bracket);
    return locale.size() > 2 && locale.back() == ']' && locale.find_first_of("[]", 1) == locale.size() - 1;
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> key_line_of(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trim(line.substr(0, equals));
    if (!is_key(key))
        return std::nullopt;
    // Blanks around "=" are not part of the key or the value.
    std::string_view value = line.substr(equals + 1);
    const auto first = value.find_first_not_of(kBlanks);
    value = first == std::string_view::npos ? std::string_view() : value.substr(first);
    if (!value.empty() && value.back() == '\r')
        value.remove_suffix(1);
    return KeyLine{key, value};
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::parse(std::string_view text)
{
    DesktopEntry entry;
    while (!text.empty()) {
        const auto end = text.find('\n');
        entry.lines_.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    bool seen_group = false;
    bool in_main = false;
    for (std::size_t i = 0; i < entry.lines_.size(); ++i) {
        const std::string_view line = entry.lines_[i];
        if (is_comment(line))
            continue;
        if (const auto group = group_of(line)) {
            if (!seen_group && *group != kMainGroup)
                return std::nullopt;
            in_main = !seen_group;
            seen_group = true;
            if (in_main)
                entry.group_end_ = i + 1;
            continue;
        }
        if (!seen_group || !key_line_of(line))
            return std::nullopt;
        if (in_main)
            entry.group_end_ = i + 1;
    }
    if (!seen_group)
        return std::nullopt;
    return entry;
}

DesktopEntry DesktopEntry::empty()
{
    DesktopEntry entry;
    std::string header(1, '[');
    header.append(kMainGroup).push_back(']');
    entry.lines_.push_back(std::move(header));
    entry.group_end_ = 1;
    return entry;
}

std::optional<std::string> DesktopEntry::value(std::string_view key) const
{
    for (std::size_t i = 0; i < group_end_; ++i) {
        const auto line = key_line_of(lines_[i]);
        if (line && line->key == key)
            return std::string(line->value);
    }
    return std::nullopt;
}

void DesktopEntry::set(std::string_view key, std::string_view raw_value)
{
    std::string line = std::string(key) + "=" + std::string(raw_value);
    bool found = false;
    for (std::size_t i = 0; i < group_end_; ++i) {
        const auto old = key_line_of(lines_[i]);
        if (old && old->key == key) {
            lines_[i] = line;
            found = true;
        }
    }
    if (!found)
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(group_end_++), std::move(line));
}

void DesktopEntry::remove(std::string_view key)
{
    for (std::size_t i = group_end_; i-- > 0;) {
        const auto line = key_line_of(lines_[i]);
        if (line && line->key == key) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
            --group_end_;
        }
    }
}

std::string DesktopEntry::text() const
{
    std::string text;
    for (const auto& line : lines_)
        text += line + "\n";
    return text;
}

std::string escape_string_value(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        // A leading space would be taken for a blank after "=".
        case ' ': out += i == 0 ? "\\s" : " "; break;
        default: out += text[i];
        }
    }
    return out;
}

std::string unescape_string_value(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[i + 1]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 's': out += ' '; break;
        default: out += value[i]; continue;
        }
        ++i;
    }
    return out;
}

} // namespace orr::platform
