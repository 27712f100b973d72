// What both GIF decoders make of the records they read, beyond their library's calls:
// the looping extension, a frame of its descriptor and graphic control, the order an
// image stores its rows in, and the budget of decoded pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "about/gif_picture.h"

namespace orr::gif {

// The application identifier of the NETSCAPE2.0 looping extension.
bool is_looping_extension(std::span<const std::uint8_t> identifier);
// The count of that extension's loop sub-block, which starts with its length byte;
// none for another sub-block.
std::optional<int> loop_count(std::span<const std::uint8_t> sub_block);

// A frame's graphic control extension, as the data gives it.
struct GraphicControl {
    int delay_cs = 0;
    int disposal = kDisposalNone;
    int transparent = kNoTransparency;
};

// A frame of its image descriptor and the graphic control before it, its pixels not
// read yet. A frame of no size is kept, with none.
Frame frame_of(int left, int top, int width, int height, const GraphicControl& control,
               std::vector<std::uint32_t> palette);

// The rows of an image in the order its data holds them: top to bottom, or the four
// passes of an interlaced image.
std::vector<int> stored_rows(int height, bool interlaced);

// The pixels of all frames together, against kMaxDecodedPixels.
class PixelBudget {
public:
    // False when a frame of this size would pass the budget.
    bool Take(int width, int height);

private:
    std::int64_t used_ = 0;
};

} // namespace orr::gif
