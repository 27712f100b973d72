// Box texts: the spaces inside the lines are part of the wording.
#include "desktop/registry_boxes.h"

#include <initializer_list>

namespace orr {
namespace {

constexpr const char* kKeyMissing1 = "Error: The specified Registry Key for this operation ";
constexpr const char* kKeyMissing2 = "does NOT exist on your PC.  ";
constexpr const char* kNotSaved1 = "Error: The required settings could not be created ";
constexpr const char* kNotSaved2 = "or saved in the Windows Registry.  ";
constexpr const char* kNotRemoved1 = "Error: The required Registry Key settings ";
constexpr const char* kNotRemoved2 = "could not be removed from the Windows Registry.  ";
constexpr const char* kKeyLabel = " Error Key   = ";
constexpr const char* kItemLabel = " Error Item  = ";
constexpr const char* kValueLabel = " Error Value = ";
constexpr const char* kContact = "Please contact the program's author.";

// A box's lines joined by a carriage return and a line feed; the last has none.
std::string lines(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const auto& part : parts) {
        if (&part != parts.begin())
            text += "\r\n";
        text += part;
    }
    return text;
}

} // namespace

std::string key_missing_write_text(const std::string& key, const std::string& item, const std::string& value)
{
    return lines({kKeyMissing1, kKeyMissing2, "", kKeyLabel + key, kItemLabel + item, kValueLabel + value, "",
                  kContact});
}

std::string not_saved_text(const std::string& key, const std::string& item, const std::string& value)
{
    return lines(
        {kNotSaved1, kNotSaved2, "", kKeyLabel + key, kItemLabel + item, kValueLabel + value, "", kContact});
}

std::string key_missing_delete_text(const std::string& key, const std::string& item)
{
    return lines({kKeyMissing1, kKeyMissing2, "", kKeyLabel + key, kItemLabel + item, "", kContact});
}

std::string not_removed_text(const std::string& key, const std::string& item)
{
    return lines({kNotRemoved1, kNotRemoved2, "", kKeyLabel + key, kItemLabel + item, "", kContact});
}

} // namespace orr
