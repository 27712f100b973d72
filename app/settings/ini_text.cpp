// Scanning and editing a profile file in place, one line at a time.
#include "app/settings/ini_text.h"

#include <stdexcept>

namespace orr {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\v\f";

// A line of the file: its text runs from begin to end, its line end from end to next.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    bool has_line_end() const { return next > end; }
};

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name
    std::string_view value;  // entries only
};

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

ParsedLine parse(std::string_view text) {
    text = trim(text);
    if (text.empty()) return {LineKind::Blank, {}, {}};
    if (text.front() == ';') return {LineKind::Comment, {}, {}};
    if (text.front() == '[') {
        const auto close = text.find(']');
        return {LineKind::Section, trim(text.substr(1, close == std::string_view::npos ? close : close - 1)), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return {LineKind::Other, {}, {}};
    return {LineKind::Entry, trim(text.substr(0, equals)), trim(text.substr(equals + 1))};
}

// Walks the lines of the text; a leading byte-order mark is no part of the first line.
class LineScanner {
public:
    explicit LineScanner(const std::string& bytes)
        : bytes_(bytes), pos_(std::string_view(bytes).starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0) {}

    bool next(Line& line) {
        if (pos_ >= bytes_.size()) return false;
        line.begin = pos_;
        line.end = bytes_.find_first_of("\r\n", pos_);
        if (line.end == std::string::npos) line.end = bytes_.size();
        line.next = line.end;
        if (line.next < bytes_.size()) {
            line.next += (bytes_[line.next] == '\r' && line.next + 1 < bytes_.size() && bytes_[line.next + 1] == '\n') ? 2 : 1;
        }
        pos_ = line.next;
        return true;
    }

    ParsedLine parse(const Line& line) const {
        return orr::parse(std::string_view(bytes_).substr(line.begin, line.end - line.begin));
    }

private:
    const std::string& bytes_;
    std::size_t pos_;
};

// What a search through the first occurrence of a section found.
struct SectionSearch {
    bool section_found = false;
    std::optional<Line> entry;    // the key's first line
    Line last_content;            // header or last entry-like line of the section
    std::string_view entry_value;
};

SectionSearch search(const std::string& bytes, std::string_view section, std::string_view key) {
    SectionSearch result;
    LineScanner scanner(bytes);
    Line line;
    while (scanner.next(line)) {
        const ParsedLine parsed = scanner.parse(line);
        if (parsed.kind == LineKind::Section) {
            if (result.section_found) break;  // a later section, or a repeat of ours: not read
            if (same_name(parsed.name, section)) {
                result.section_found = true;
                result.last_content = line;
            }
            continue;
        }
        if (!result.section_found) continue;
        if (parsed.kind == LineKind::Entry && same_name(parsed.name, key)) {
            result.entry = line;
            result.entry_value = parsed.value;
            return result;
        }
        if (parsed.kind == LineKind::Entry || parsed.kind == LineKind::Other) result.last_content = line;
    }
    return result;
}

std::string_view detect_line_end(const std::string& bytes, std::string_view fallback) {
    const auto at = bytes.find_first_of("\r\n");
    if (at == std::string::npos) return fallback;
    if (bytes[at] == '\n') return "\n";
    return (at + 1 < bytes.size() && bytes[at + 1] == '\n') ? std::string_view("\r\n") : std::string_view("\r");
}

bool has_line_break(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos; }

} // namespace

IniText::IniText(std::string bytes, std::string_view new_line_end)
    : bytes_(std::move(bytes)), new_line_end_(new_line_end) {}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
    const SectionSearch found = search(bytes_, section, key);
    if (!found.entry) return std::nullopt;
    std::string_view value = found.entry_value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxProfileValueLength));
}

bool IniText::set_value(std::string_view section, std::string_view raw_key, std::string_view value) {
    const std::string_view key = trim(raw_key);
    if (has_line_break(section) || has_line_break(key) || has_line_break(value) || key.empty() ||
        key.find('=') != key.npos || key.front() == '[' || key.front() == ';' || section.find(']') != section.npos) {
        throw std::invalid_argument("profile name or value cannot be stored");
    }
    const std::string_view eol = detect_line_end(bytes_, new_line_end_);
    std::string entry(key);
    entry.append("=").append(value);
    const SectionSearch found = search(bytes_, section, key);

    if (found.entry) {
        const std::size_t length = found.entry->end - found.entry->begin;
        if (std::string_view(bytes_).substr(found.entry->begin, length) == entry) return false;
        bytes_.replace(found.entry->begin, length, entry);
        return true;
    }
    if (found.section_found) {
        const Line& after = found.last_content;
        // The section's last line may be the file's last line, still without a line end.
        std::string inserted = after.has_line_end() ? entry : std::string(eol);
        inserted.append(after.has_line_end() ? eol : std::string_view(entry));
        bytes_.insert(after.next, inserted);
        return true;
    }

    std::string appended;
    LineScanner scanner(bytes_);
    Line line, last;
    bool any = false;
    while (scanner.next(line)) {
        last = line;
        any = true;
    }
    if (any) {
        if (!last.has_line_end()) appended += eol;
        if (scanner.parse(last).kind != LineKind::Blank) appended += eol;  // a blank line before the new section
    }
    appended.append("[").append(section).append("]").append(eol).append(entry).append(eol);
    bytes_ += appended;
    return true;
}

} // namespace orr
