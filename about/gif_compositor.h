// The logo's off-screen canvas: frames drawn over what lies there (transparent pixels
// leave it), and disposed of by their GIF disposal method. Pixels are 0xAARRGGBB with
// alpha 0 or 255, so they read the same premultiplied or not.
#pragma once

#include <cstdint>
#include <vector>

#include "about/gif_picture.h"

namespace orr::gif {

class Compositor {
public:
    static constexpr std::uint32_t kClear = 0x00000000;
    static constexpr std::uint32_t kBlack = 0xFF000000;

    // The picture is not copied: it must outlive the compositor.
    explicit Compositor(const Picture& picture);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<std::uint32_t>& pixels() const { return canvas_; }
    std::uint32_t pixel(int x, int y) const { return canvas_[static_cast<std::size_t>(y) * width_ + x]; }

    // All transparent again.
    void Clear();
    // Frame index from 0. A frame disposed of by "previous" first keeps what lies under it.
    void Draw(std::size_t index);
    // 2: the frame's rectangle becomes transparent, or black when no frame of the picture
    // has a transparent colour; 3: what lay under it before it was drawn comes back;
    // any other method leaves the canvas as it is.
    void Dispose(std::size_t index);

private:
    struct Area {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    Area Clipped(const Frame& frame) const;

    const Picture& picture_;
    int width_;
    int height_;
    std::uint32_t background_;
    std::vector<std::uint32_t> canvas_;
    // What lay under the last frame drawn that is disposed of by "previous".
    std::vector<std::uint32_t> under_;
    std::size_t under_of_ = SIZE_MAX;
};

} // namespace orr::gif
