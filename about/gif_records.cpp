#include "about/gif_records.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace orr::gif {
namespace {

constexpr std::array<std::uint8_t, 11> kNetscape{'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
// Length 3, id 1, then the count, low byte first.
constexpr std::uint8_t kLoopSubBlockLength = 3;
constexpr std::uint8_t kLoopSubBlockId = 1;
// Interlaced rows come in four passes: their first rows and steps.
constexpr std::array<int, 4> kPassStart{0, 4, 2, 1};
constexpr std::array<int, 4> kPassStep{8, 8, 4, 2};

} // namespace

bool is_looping_extension(std::span<const std::uint8_t> identifier)
{
    return std::equal(identifier.begin(), identifier.end(), kNetscape.begin(), kNetscape.end());
}

std::optional<int> loop_count(std::span<const std::uint8_t> sub_block)
{
    if (sub_block.size() <= kLoopSubBlockLength || sub_block[0] < kLoopSubBlockLength ||
        sub_block[1] != kLoopSubBlockId)
        return std::nullopt;
    return sub_block[2] | sub_block[3] << 8;
}

Frame frame_of(int left, int top, int width, int height, const GraphicControl& control,
               std::vector<std::uint32_t> palette)
{
    const bool sized = width > 0 && height > 0;
    Frame frame{.left = left,
                .top = top,
                .width = sized ? width : 0,
                .height = sized ? height : 0,
                .delay_ms = control.delay_cs * kCentisecondMs,
                .disposal = control.disposal,
                .transparent = control.transparent,
                .palette = std::move(palette),
                .pixels = {}};
    return frame;
}

std::vector<int> stored_rows(int height, bool interlaced)
{
    std::vector<int> rows;
    if (!interlaced) {
        rows.resize(static_cast<std::size_t>(std::max(height, 0)));
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    }
    for (std::size_t pass = 0; pass < kPassStart.size(); ++pass) {
        for (int y = kPassStart[pass]; y < height; y += kPassStep[pass])
            rows.push_back(y);
    }
    return rows;
}

bool PixelBudget::Take(int width, int height)
{
    used_ += std::int64_t{width} * height;
    return used_ <= kMaxDecodedPixels;
}

} // namespace orr::gif
