#include "desktop/registry_error.h"

namespace orr {
namespace {

std::string with_name(std::string_view message, const std::string& value_name)
{
    std::string text(message);
    if (const auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, value_name);
    return text;
}

} // namespace

ERegistryException::ERegistryException(std::string_view message, const std::string& value_name)
    : Error(with_name(message, value_name))
{}

} // namespace orr
