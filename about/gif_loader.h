// Loading a GIF for the logo control: data that does not start with "GIF" gives an
// empty picture; what a decoder returns is checked before anything draws it.
#pragma once

#include <cstdint>
#include <span>

#include "about/gif_picture.h"

namespace orr::gif {

Picture load(std::span<const std::uint8_t> data);

} // namespace orr::gif
