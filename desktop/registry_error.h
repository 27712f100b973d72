// The error a registry value operation raises when the store itself fails or a value is
// not a string; it reaches the general error report with the value's name in it.
#pragma once

#include <string>
#include <string_view>

#include "core/error.h"

namespace orr {

inline constexpr std::string_view kSetDataMessage = "Failed to set data for '%s'";
inline constexpr std::string_view kGetDataMessage = "Failed to get data for '%s'";
inline constexpr std::string_view kDataTypeMessage = "Invalid data type for '%s'";

class ERegistryException : public Error {
public:
    // The message with the value name in place of its "%s".
    ERegistryException(std::string_view message, const std::string& value_name);
};

} // namespace orr
