#include "about/gif_compositor.h"

#include <algorithm>

namespace orr::gif {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;
constexpr std::uint32_t kRgb = 0x00FFFFFF;

} // namespace

Compositor::Compositor(const Picture& picture)
    : picture_(picture), width_(std::max(picture.width, 0)), height_(std::max(picture.height, 0)),
      background_(picture.has_transparency() ? kClear : kBlack),
      canvas_(static_cast<std::size_t>(width_) * height_, kClear)
{}

void Compositor::Clear() { std::fill(canvas_.begin(), canvas_.end(), kClear); }

Compositor::Area Compositor::Clipped(const Frame& frame) const
{
    // Frames may lie partly or wholly outside the logical screen.
    Area area;
    area.left = std::clamp(frame.left, 0, width_);
    area.top = std::clamp(frame.top, 0, height_);
    area.right = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{frame.left} + frame.width, area.left, width_));
    area.bottom = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{frame.top} + frame.height, area.top, height_));
    return area;
}

void Compositor::Draw(std::size_t index)
{
    if (index >= picture_.frames.size())
        return;
    const Frame& frame = picture_.frames[index];
    const Area area = Clipped(frame);
    if (frame.disposal == kDisposalPrevious) {
        under_.clear();
        for (int y = area.top; y < area.bottom; ++y) {
            const auto row = canvas_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
            under_.insert(under_.end(), row + area.left, row + area.right);
        }
        under_of_ = index;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* source = frame.pixels.data() +
                                     static_cast<std::size_t>(y - frame.top) * frame.width;
        std::uint32_t* target = canvas_.data() + static_cast<std::size_t>(y) * width_;
        for (int x = area.left; x < area.right; ++x) {
            const std::uint8_t colour = source[x - frame.left];
            if (colour == frame.transparent)
                continue;
            // An index past the colour table (damaged data) draws black.
            target[x] = kOpaque | (colour < frame.palette.size() ? frame.palette[colour] & kRgb : 0);
        }
    }
}

void Compositor::Dispose(std::size_t index)
{
    if (index >= picture_.frames.size())
        return;
    const Frame& frame = picture_.frames[index];
    const Area area = Clipped(frame);
    if (frame.disposal == kDisposalBackground) {
        for (int y = area.top; y < area.bottom; ++y) {
            const auto row = canvas_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
            std::fill(row + area.left, row + area.right, background_);
        }
    } else if (frame.disposal == kDisposalPrevious && under_of_ == index) {
        auto saved = under_.begin();
        for (int y = area.top; y < area.bottom; ++y) {
            const auto row = canvas_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
            std::copy(saved, saved + (area.right - area.left), row + area.left);
            saved += area.right - area.left;
        }
    }
}

} // namespace orr::gif
