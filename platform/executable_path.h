// Where the running executable lies: its full path, its folder and its file name.
// Taken afresh at each call; every file the program uses lies in that folder.
#pragma once

#include <string>

namespace orr::platform {

// The separator that ends a folder: '\\' on Windows, '/' elsewhere.
char path_separator();

// Full path of the running executable (symlinks resolved on Linux); "" when unknown.
std::string executable_path();

// The executable's path up to and including its last separator.
std::string executable_folder();

// What follows the last separator of the executable's path.
std::string executable_file_name();

} // namespace orr::platform
