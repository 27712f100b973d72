// Frames composed on the logo's canvas from hand-made GIFs: drawing over what lies
// there, disposal to the background (transparent, or black without any transparent
// colour) and to what lay beneath, frames outside the screen and damaged indices.
#include <gtest/gtest.h>

#include "about/gif_compositor.h"
#include "about/gif_loader.h"
#include "tests/unit/about/gif_builder.h"

namespace orr::gif {
namespace {

using test::GifBytes;
using test::GifFrameRecipe;
using test::GifRecipe;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kClear = Compositor::kClear;
constexpr std::uint32_t kBlack = Compositor::kBlack;
const std::vector<std::uint32_t> kPalette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

GifFrameRecipe solid(int left, int top, int width, int height, std::uint8_t colour, int disposal)
{
    GifFrameRecipe frame;
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = height;
    frame.pixels.assign(static_cast<std::size_t>(width) * height, colour);
    frame.disposal = disposal;
    return frame;
}

// The canvas as rows of 0xAARRGGBB.
std::vector<std::vector<std::uint32_t>> rows(const Compositor& canvas)
{
    std::vector<std::vector<std::uint32_t>> out(canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x)
            out[y].push_back(canvas.pixel(x, y));
    }
    return out;
}

// A red 4 x 4 ground that stays, then a green 2 x 2 square in the middle disposed of
// by `disposal`, then a blue dot in the corner.
Picture three_frames(int disposal, bool transparent_anywhere)
{
    GifRecipe wanted{4, 4, kPalette, 0, {}};
    GifFrameRecipe ground = solid(0, 0, 4, 4, 1, kDisposalKeep);
    GifFrameRecipe square = solid(1, 1, 2, 2, 2, disposal);
    square.pixels[3] = 0; // black, or see-through when 0 is the transparent colour
    if (transparent_anywhere)
        square.transparent = 0;
    wanted.frames = {ground, square, solid(0, 0, 1, 1, 3, kDisposalNone)};
    const std::vector<std::uint8_t> bytes = GifBytes::build(wanted);
    return load(bytes);
}

TEST(GifComposing, BackgroundDisposalLeavesTheRectangleTransparent)
{
    const Picture picture = three_frames(kDisposalBackground, true);
    ASSERT_EQ(picture.frames.size(), 3u);
    Compositor canvas(picture);
    canvas.Draw(0);
    canvas.Dispose(0);
    canvas.Draw(1);
    using Rows = std::vector<std::vector<std::uint32_t>>;
    // The transparent pixel of the square shows the red ground beneath.
    EXPECT_EQ(rows(canvas), (Rows{{kRed, kRed, kRed, kRed},
                                  {kRed, kGreen, kGreen, kRed},
                                  {kRed, kGreen, kRed, kRed},
                                  {kRed, kRed, kRed, kRed}}));
    canvas.Dispose(1);
    canvas.Draw(2);
    EXPECT_EQ(rows(canvas), (Rows{{kBlue, kRed, kRed, kRed},
                                  {kRed, kClear, kClear, kRed},
                                  {kRed, kClear, kClear, kRed},
                                  {kRed, kRed, kRed, kRed}}));
}

TEST(GifComposing, BackgroundDisposalIsBlackWhenNoFrameHasATransparentColour)
{
    const Picture picture = three_frames(kDisposalBackground, false);
    Compositor canvas(picture);
    for (std::size_t frame = 0; frame < 2; ++frame) {
        canvas.Draw(frame);
        canvas.Dispose(frame);
    }
    EXPECT_EQ(canvas.pixel(1, 1), kBlack);
    EXPECT_EQ(canvas.pixel(2, 2), kBlack);
    EXPECT_EQ(canvas.pixel(0, 0), kRed);
    EXPECT_EQ(canvas.pixel(3, 3), kRed);
}

TEST(GifComposing, PreviousDisposalRestoresWhatLayBeneath)
{
    const Picture picture = three_frames(kDisposalPrevious, true);
    Compositor canvas(picture);
    canvas.Draw(0);
    const auto ground = rows(canvas);
    canvas.Dispose(0);
    canvas.Draw(1);
    EXPECT_EQ(canvas.pixel(1, 1), kGreen);
    canvas.Dispose(1);
    EXPECT_EQ(rows(canvas), ground);
}

TEST(GifComposing, KeepingAndUnspecifiedDisposalLeaveTheFrame)
{
    for (int disposal : {int{kDisposalNone}, int{kDisposalKeep}, 5}) {
        const Picture picture = three_frames(disposal, true);
        Compositor canvas(picture);
        canvas.Draw(1);
        canvas.Dispose(1);
        EXPECT_EQ(canvas.pixel(1, 1), kGreen) << disposal;
        EXPECT_EQ(canvas.pixel(0, 0), kClear) << disposal;
    }
}

TEST(GifComposing, FramesOutsideTheScreenAndIndicesPastTheTableAreSafe)
{
    Picture picture;
    picture.width = 3;
    picture.height = 3;
    Frame outside;
    outside.left = -2;
    outside.top = 2;
    outside.width = outside.height = 3;
    outside.pixels.assign(9, 1);
    outside.palette = {0x000000, 0x00FF00};
    outside.disposal = kDisposalPrevious;
    Frame damaged = outside;
    damaged.left = damaged.top = 0;
    damaged.pixels.assign(9, 200);
    damaged.disposal = kDisposalBackground;
    Frame far = outside;
    far.left = 1 << 30;
    picture.frames = {outside, damaged, far};
    Compositor canvas(picture);
    canvas.Draw(0);
    EXPECT_EQ(canvas.pixel(0, 2), kGreen);
    EXPECT_EQ(canvas.pixel(1, 1), kClear);
    canvas.Dispose(0);
    EXPECT_EQ(canvas.pixel(0, 2), kClear);
    canvas.Draw(1);
    EXPECT_EQ(canvas.pixel(2, 2), kBlack);
    canvas.Draw(2);
    canvas.Dispose(2);
    canvas.Draw(7);
    canvas.Dispose(7);
    EXPECT_EQ(canvas.pixel(2, 2), kBlack);
}

} // namespace
} // namespace orr::gif
