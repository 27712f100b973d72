// Shell open on Linux: the desktop's opener handed the link exactly as it was built, as
// ShellExecute hands it over; a URL class on the way would percent-encode its spaces.
#include "platform/shell_open.h"

#include <algorithm>
#include <cctype>

#include "platform/posix/desktop_opener.h"

namespace orr::platform {
namespace {

// Letters, then letters, digits, '+', '-' or '.', then a colon.
bool has_scheme(const std::string& target)
{
    const auto colon = target.find(':');
    if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(target[0])))
        return false;
    return std::all_of(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

} // namespace

void shell_open(const std::string& target, OwnerWindow)
{
    // The shell takes a bare address such as "www.example.com" for a web page; the
    // opener would look for a file of that name.
    start_desktop_opener(has_scheme(target) ? target : "http://" + target);
}

} // namespace orr::platform
