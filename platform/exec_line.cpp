// Exec quoting: an argument with a reserved character goes in double quotes. Anything the
// quotes cannot hold without an escape goes through a decoder instead, because the readers
// that start these entries disagree on every escape: GLib and dex on "%%", dex on any
// backslash, systemd's generator on "\$", "\`" and on a backslash that is part of the path.
#include "platform/exec_line.h"

#include <algorithm>
#include <vector>

#include "platform/base64.h"
#include "platform/desktop_entry.h"

namespace orr::platform {
namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";
constexpr char kFieldCode = '%';
constexpr char kSingleQuote = '\'';
constexpr char kDelete = 0x7f;
// The path in base64 between these; xargs starts it through nice, which unlike env takes
// no "name=value" argument for a setting, at the niceness the program had anyway.
constexpr std::string_view kDecoderStart = "/bin/sh -c \"echo ";
constexpr std::string_view kDecoderEnd = " | base64 -d | xargs -0 nice -n 0\"";

bool is_control(char c) { return static_cast<unsigned char>(c) < 0x20 || c == kDelete; }

bool is_unwritable(char c) { return is_control(c) && c != '\t' && c != '\n' && c != '\r'; }

// Written as it is, quoted or not, when no reader has anything to undo in it and systemd
// takes it for a program: it refuses one whose path holds a single quote.
bool needs_no_escape(std::string_view program)
{
    return std::ranges::none_of(program, [](char c) {
        return is_control(c) || c == kFieldCode || c == kSingleQuote ||
               kEscapedInQuotes.find(c) != std::string_view::npos;
    });
}

std::optional<std::string> decoded_program(std::string_view line)
{
    if (!line.starts_with(kDecoderStart) || !line.ends_with(kDecoderEnd) ||
        line.size() < kDecoderStart.size() + kDecoderEnd.size())
        return std::nullopt;
    line.remove_prefix(kDecoderStart.size());
    line.remove_suffix(kDecoderEnd.size());
    return base64_decode(line);
}

// The arguments as a desktop splits them after undoing the string escapes; nothing when a
// quote is left open.
std::optional<std::vector<std::string>> split(std::string_view line)
{
    std::vector<std::string> arguments;
    std::string current;
    bool in_argument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '\\' && i + 1 < line.size() &&
                kEscapedInQuotes.find(line[i + 1]) != std::string_view::npos)
                current += line[++i];
            else if (c == '"')
                quoted = false;
            else
                current += c;
        } else if (c == ' ') {
            if (in_argument)
                arguments.push_back(std::move(current));
            current.clear();
            in_argument = false;
        } else {
            in_argument = true;
            if (c == '"')
                quoted = true;
            else
                current += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (in_argument)
        arguments.push_back(std::move(current));
    return arguments;
}

// Field codes are expanded after the quotes are undone; "%%" is a literal '%'.
std::string literal_percents(std::string_view argument)
{
    std::string out;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        out += argument[i];
        if (argument[i] == kFieldCode && i + 1 < argument.size() && argument[i + 1] == kFieldCode)
            ++i;
    }
    return out;
}

} // namespace

std::optional<std::string> exec_value_for(std::string_view program)
{
    if (program.empty() || std::ranges::any_of(program, is_unwritable))
        return std::nullopt;
    // Built by appending: g++ 12 warns falsely about overlapping copies on "+" chains.
    std::string value;
    if (!needs_no_escape(program)) {
        value.append(kDecoderStart).append(base64_encode(program)).append(kDecoderEnd);
    } else {
        const bool quote = program.find_first_of(kReserved) != std::string_view::npos;
        value.append(quote ? "\"" : "").append(program).append(quote ? "\"" : "");
    }
    return value;
}

std::string program_of_exec(std::string_view value)
{
    const std::string line = unescape_string_value(value);
    if (auto program = decoded_program(line))
        return std::move(*program);
    const auto arguments = split(line);
    if (arguments && arguments->size() == 1)
        return literal_percents(arguments->front());
    return line;
}

} // namespace orr::platform
