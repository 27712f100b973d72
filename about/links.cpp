#include "about/links.h"

namespace orr {

std::string mail_link(const std::string& address, const std::string& executable_file_name)
{
    return "mailto:" + address + "?subject=Shareware: " + executable_file_name;
}

std::string web_link(const std::string& address) { return address; }

} // namespace orr
