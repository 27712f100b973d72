// The command line that prints a year page to a PDF instead of opening the window:
//   --print-pdf FILE [--year YYYY] [--page-size A4|Letter] [--landscape]
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/print/paper.h"

namespace orr::print {

// The exit status of a command line that cannot be carried out.
inline constexpr int kUsageStatus = 2;

struct PrintCommand {
    std::string file;
    std::optional<int> year; // nothing: today's
    PageSetup setup;
};

struct ParsedArguments {
    bool print = false; // false: no option of ours, the window opens
    PrintCommand command;
    std::string error; // one line for the user; empty when the command is good
};

// The arguments after the program's name.
ParsedArguments parse_print_arguments(std::span<const std::string_view> arguments);

} // namespace orr::print
