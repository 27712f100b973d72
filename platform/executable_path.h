// Where the running executable lies: its full path, its folder and its file name.
// Taken afresh at each call; every file the program uses lies in that folder.
#pragma once

#include <string>

namespace orr::platform {

// The separator that ends a folder: '\\' on Windows, '/' elsewhere.
char path_separator();

// Full path of the running executable (symlinks resolved on Linux). When the system
// cannot give it now, the path it gave at start-up; "" only when it never could.
std::string executable_path();

// The executable's path up to and including its last separator.
std::string executable_folder();

// What follows the last separator of the executable's path.
std::string executable_file_name();

// The path as the system gives it at this moment; "" when it gives none (each
// system's side).
std::string running_executable_path();

} // namespace orr::platform
