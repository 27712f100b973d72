#include "about/gif_loader.h"

#include <algorithm>
#include <string_view>

#include "about/gif_decoder.h"

namespace orr::gif {
namespace {

constexpr std::string_view kSignature = "GIF";
// Signature and version, then the logical screen descriptor, whose packed byte tells
// whether a global colour table of 2 << n entries of 3 bytes follows.
constexpr std::size_t kHeaderSize = 13;
constexpr std::size_t kPackedAt = 10;
constexpr std::uint8_t kGlobalTableFlag = 0x80;
constexpr std::uint8_t kTableSizeBits = 0x07;
constexpr std::size_t kBytesPerColour = 3;

bool well_formed(const Frame& frame)
{
    return frame.width >= 0 && frame.height >= 0 &&
           frame.pixels.size() ==
               static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
}

} // namespace

Picture load(std::span<const std::uint8_t> data)
{
    if (data.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), data.begin()))
        return {};
    // Cut short before its first frame could begin, it is no picture; decoders differ
    // in how they fail on such data, some not safely.
    if (data.size() < kHeaderSize)
        return {};
    const std::uint8_t packed = data[kPackedAt];
    const std::size_t global_colours = (packed & kGlobalTableFlag)
                                           ? std::size_t{2} << (packed & kTableSizeBits)
                                           : 0;
    if (data.size() < kHeaderSize + kBytesPerColour * global_colours)
        return {};
    Picture picture = decode(data);
    picture.global_colours = static_cast<int>(global_colours);
    std::erase_if(picture.frames, [](const Frame& frame) { return !well_formed(frame); });
    if (picture.frames.size() > kMaxFrames)
        picture.frames.resize(kMaxFrames);
    // A logical screen of no size takes the extent of the frames.
    if (picture.width <= 0 || picture.height <= 0) {
        picture.width = picture.height = 0;
        for (const Frame& frame : picture.frames) {
            picture.width = std::max(picture.width, frame.left + frame.width);
            picture.height = std::max(picture.height, frame.top + frame.height);
        }
    }
    if (picture.width <= 0 || picture.height <= 0 ||
        std::int64_t{picture.width} * picture.height > kMaxCanvasPixels)
        return {};
    return picture;
}

} // namespace orr::gif
