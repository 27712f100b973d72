// The bytes of a raw-data resource of the running program; they live as long as it.
#pragma once

#include <cstdint>
#include <span>

namespace orr::win32 {

std::span<const std::uint8_t> resource_bytes(int id);

} // namespace orr::win32
