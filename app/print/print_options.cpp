#include "app/print/print_options.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "monthgrid/date_math.h"

namespace orr::print {
namespace {

constexpr std::string_view kFile = "--print-pdf";
constexpr std::string_view kYear = "--year";
constexpr std::string_view kPageSize = "--page-size";
constexpr std::string_view kLandscape = "--landscape";
constexpr std::array kOptions{kFile, kYear, kPageSize, kLandscape};

std::optional<int> year_of(std::string_view text)
{
    int year = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (failure != std::errc() || end != text.data() + text.size() || year < kMinYear || year > kMaxYear)
        return std::nullopt;
    return year;
}

std::optional<PaperSize> paper_of(std::string_view text)
{
    if (text == "A4")
        return PaperSize::A4;
    if (text == "Letter")
        return PaperSize::Letter;
    return std::nullopt;
}

// Takes one option and, where it has one, its value; returns what is wrong, or nothing.
std::string take(std::string_view option, const std::string_view* value, PrintCommand& command)
{
    if (option == kLandscape) {
        command.setup.landscape = true;
        return {};
    }
    if (value == nullptr)
        return std::string(option) + " needs a value";
    if (option == kFile) {
        command.file = *value;
        return command.file.empty() ? "--print-pdf needs a file name" : "";
    }
    if (option == kYear) {
        command.year = year_of(*value);
        return command.year ? "" : "--year takes a year from 1 to 9999, not '" + std::string(*value) + "'";
    }
    const auto paper = paper_of(*value);
    command.setup.paper = paper.value_or(PaperSize::A4);
    return paper ? "" : "--page-size takes A4 or Letter, not '" + std::string(*value) + "'";
}

} // namespace

ParsedArguments parse_print_arguments(std::span<const std::string_view> arguments)
{
    ParsedArguments parsed;
    parsed.print = std::any_of(arguments.begin(), arguments.end(), [](std::string_view a) {
        return std::find(kOptions.begin(), kOptions.end(), a) != kOptions.end();
    });
    if (!parsed.print)
        return parsed;
    for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
        const std::string_view option = arguments[i];
        if (std::find(kOptions.begin(), kOptions.end(), option) == kOptions.end()) {
            parsed.error = "unknown option '" + std::string(option) + "'";
            break;
        }
        const bool has_value = option != kLandscape && i + 1 < arguments.size();
        parsed.error = take(option, has_value ? &arguments[++i] : nullptr, parsed.command);
    }
    if (parsed.error.empty() && parsed.command.file.empty())
        parsed.error = "--print-pdf FILE is missing";
    return parsed;
}

} // namespace orr::print
