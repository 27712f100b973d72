// The names of the temporary files written beside a file that is being replaced:
// "<file name>.<process id>-<serial>.tmp", so that leftovers can be told apart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orr::platform {

// A name for this process that no earlier call of this process gave: target + ".<id>-<n>.tmp".
std::string next_temporary_name(const std::string& target);

// The writer's process id when name is a temporary file name of target_file_name
// (both names without their folder); nullopt for every other name.
std::optional<std::uint32_t> temporary_owner(std::string_view target_file_name, std::string_view name);

} // namespace orr::platform
