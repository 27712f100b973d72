// The command line's printing: the year page written to a PDF, without a window.
#pragma once

#include "app/print/print_options.h"

// Returns the program's exit status; a failure is one line on standard error.
int print_pdf(const orr::print::ParsedArguments& arguments, char* program);
