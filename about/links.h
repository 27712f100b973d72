// The strings the About window's mail and web links hand to the shell.
#pragma once

#include <string>

namespace orr {

// "mailto:" + address + "?subject=Shareware: " + the executable's file name, exactly
// as they are: nothing is escaped or encoded.
std::string mail_link(const std::string& address, const std::string& executable_file_name);

// The web address as it stands.
std::string web_link(const std::string& address);

} // namespace orr
