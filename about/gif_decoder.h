// The decoding seam: giflib in the Linux program, the Windows Imaging Component in
// the Windows program. A decoder keeps at most kMaxFrames frames and stops before
// kMaxDecodedPixels; damaged data ends decoding with the frames complete so far (or
// none), never with a crash. The loader has checked the header and the global colour
// table's length, and counts that table itself.
#pragma once

#include <cstdint>
#include <span>

#include "about/gif_picture.h"

namespace orr::gif {

Picture decode(std::span<const std::uint8_t> data);

} // namespace orr::gif
