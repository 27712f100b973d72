// Exec quoting: an argument with a reserved character goes in double quotes with '"', '`',
// '$' and '\' escaped by a backslash, '%' is doubled, and the string escapes come on top.
#include "platform/exec_line.h"

#include <vector>

#include "platform/desktop_entry.h"

namespace orr::platform {
namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";
constexpr char kFieldCode = '%';
constexpr char kDelete = 0x7f;

bool is_unwritable(char c)
{
    const bool control = static_cast<unsigned char>(c) < 0x20 || c == kDelete;
    return control && c != '\t' && c != '\n' && c != '\r';
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
    if (program.empty())
        return std::nullopt;
    bool quote = false;
    for (char c : program) {
        if (is_unwritable(c))
            return std::nullopt;
        quote = quote || kReserved.find(c) != std::string_view::npos;
    }
    std::string argument = quote ? "\"" : "";
    for (char c : program) {
        if (quote && kEscapedInQuotes.find(c) != std::string_view::npos)
            argument += '\\';
        if (c == kFieldCode)
            argument += kFieldCode;
        argument += c;
    }
    if (quote)
        argument += '"';
    return escape_string_value(argument);
}

std::string program_of_exec(std::string_view value)
{
    const std::string line = unescape_string_value(value);
    const auto arguments = split(line);
    if (arguments && arguments->size() == 1)
        return literal_percents(arguments->front());
    return line;
}

} // namespace orr::platform
