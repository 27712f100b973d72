// The raw data the program carries as resources (its pictures).
#pragma once

#include <cstdint>
#include <span>

namespace orr::win32 {

// The bytes of an RCDATA resource of the running program, which live as long as it;
// empty when there is none.
std::span<const std::uint8_t> resource_bytes(int id);

} // namespace orr::win32
