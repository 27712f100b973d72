// GIF data through the platform's decoder and the loader: what the logo keeps of a
// file (frames, delays, disposal, transparency, loop count), what it refuses, and
// damaged data that must never crash it. Runs on giflib natively and on WIC in Wine.
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "about/gif_loader.h"
#include "tests/unit/about/gif_builder.h"

namespace orr::gif {
namespace {

using test::GifBytes;
using test::GifFrameRecipe;
using test::GifRecipe;

const std::vector<std::uint32_t> kPalette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

GifFrameRecipe solid(int left, int top, int width, int height, std::uint8_t colour)
{
    GifFrameRecipe frame;
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = height;
    frame.pixels.assign(static_cast<std::size_t>(width) * height, colour);
    return frame;
}

Picture load_recipe(const GifRecipe& wanted)
{
    const std::vector<std::uint8_t> bytes = GifBytes::build(wanted);
    return load(bytes);
}

TEST(GifLoading, KeepsEachFramesPlaceDelayDisposalAndTransparency)
{
    GifRecipe wanted{6, 5, kPalette, 999, {}};
    GifFrameRecipe first = solid(0, 0, 6, 5, 1);
    first.delay_cs = 10;
    first.disposal = 2;
    first.transparent = 3;
    GifFrameRecipe second = solid(2, 1, 3, 2, 2);
    second.delay_cs = 7;
    second.disposal = 3;
    wanted.frames = {first, second};

    const Picture picture = load_recipe(wanted);
    ASSERT_EQ(picture.frames.size(), 2u);
    EXPECT_EQ(picture.width, 6);
    EXPECT_EQ(picture.height, 5);
    EXPECT_EQ(picture.global_colours, 4);
    EXPECT_EQ(picture.loop_count, 999);
    const Frame& a = picture.frames[0];
    EXPECT_EQ(a.delay_ms, 100);
    EXPECT_EQ(a.disposal, kDisposalBackground);
    EXPECT_EQ(a.transparent, 3);
    const Frame& b = picture.frames[1];
    EXPECT_EQ((std::vector{b.left, b.top, b.width, b.height}), (std::vector{2, 1, 3, 2}));
    EXPECT_EQ(b.delay_ms, 70);
    EXPECT_EQ(b.disposal, kDisposalPrevious);
    EXPECT_EQ(b.transparent, kNoTransparency);
    EXPECT_EQ(b.pixels, std::vector<std::uint8_t>(6, 2));
    ASSERT_GE(b.palette.size(), 4u);
    EXPECT_EQ(b.palette[2], 0x00FF00u);
}

TEST(GifLoading, LoopCountIsOneWithoutTheExtensionAndZeroForEndless)
{
    GifRecipe wanted{2, 2, kPalette, std::nullopt, {solid(0, 0, 2, 2, 1), solid(0, 0, 2, 2, 2)}};
    EXPECT_EQ(load_recipe(wanted).loop_count, 1);
    wanted.loop_count = 0;
    EXPECT_EQ(load_recipe(wanted).loop_count, 0);
}

TEST(GifLoading, LocalColourTableAndInterlacedRows)
{
    GifFrameRecipe frame = solid(0, 0, 2, 10, 0);
    for (int y = 0; y < 10; ++y)
        frame.pixels[y * 2] = frame.pixels[y * 2 + 1] = static_cast<std::uint8_t>(y % 4);
    frame.interlaced = true;
    frame.local_palette = {0x111111, 0x222222, 0x333333, 0x444444};
    const Picture picture = load_recipe(GifRecipe{2, 10, kPalette, std::nullopt, {frame}});
    ASSERT_EQ(picture.frames.size(), 1u);
    EXPECT_EQ(picture.frames[0].pixels, frame.pixels);
    ASSERT_GE(picture.frames[0].palette.size(), 4u);
    EXPECT_EQ(picture.frames[0].palette[3], 0x444444u);
}

// Neither a global nor a local colour table: the frame still loads, with no colours.
TEST(GifLoading, AFrameWithNoColourTableAtAllLoadsWithoutColours)
{
    const Picture picture = load_recipe(GifRecipe{3, 2, {}, std::nullopt, {solid(0, 0, 3, 2, 1)}});
    ASSERT_EQ(picture.frames.size(), 1u);
    EXPECT_TRUE(picture.frames[0].palette.empty());
    EXPECT_EQ(picture.frames[0].pixels, std::vector<std::uint8_t>(6, 1));
}

TEST(GifLoading, KeepsAtMost256Frames)
{
    GifRecipe wanted{1, 1, kPalette, 0, {}};
    for (int i = 0; i < 300; ++i)
        wanted.frames.push_back(solid(0, 0, 1, 1, static_cast<std::uint8_t>(i % 4)));
    const Picture picture = load_recipe(wanted);
    ASSERT_EQ(picture.frames.size(), kMaxFrames);
    EXPECT_EQ(picture.frames[255].pixels[0], 255 % 4);
}

TEST(GifLoading, DataThatDoesNotStartWithGifLeavesItEmpty)
{
    std::vector<std::uint8_t> bytes = GifBytes::build(GifRecipe{2, 2, kPalette, 0, {solid(0, 0, 2, 2, 1)}});
    bytes[0] = 'J';
    EXPECT_TRUE(load(bytes).empty());
    EXPECT_TRUE(load({}).empty());
    const std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(load(png).empty());
    const std::vector<std::uint8_t> just_signature{'G', 'I', 'F'};
    EXPECT_TRUE(load(just_signature).empty());
}

TEST(GifLoading, AScreenTooLargeForTheLogoIsNoPicture)
{
    EXPECT_TRUE(load_recipe(GifRecipe{3000, 3000, kPalette, 0, {solid(0, 0, 2, 2, 1)}}).empty());
    // A screen of no size takes the frames' extent.
    const Picture picture = load_recipe(GifRecipe{0, 0, kPalette, 0, {solid(3, 2, 2, 2, 1)}});
    EXPECT_EQ(picture.width, 5);
    EXPECT_EQ(picture.height, 4);
}

TEST(GifLoading, DamagedOrTruncatedDataNeverCrashes)
{
    GifRecipe wanted{8, 8, kPalette, 5, {}};
    for (int i = 0; i < 4; ++i)
        wanted.frames.push_back(solid(i, i, 4, 4, static_cast<std::uint8_t>(i)));
    const std::vector<std::uint8_t> whole = GifBytes::build(wanted);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::span<const std::uint8_t> cut(whole.data(), length);
        const Picture picture = load(cut);
        EXPECT_LE(picture.frames.size(), 4u) << length;
        for (const Frame& frame : picture.frames)
            EXPECT_EQ(frame.pixels.size(), std::size_t{16}) << length;
    }
    // Frames far outside the logical screen and an index past the colour table.
    GifRecipe odd{
        4, 4, {0x000000, 0xFF0000}, std::nullopt, {solid(60000, 60000, 2, 2, 1), solid(0, 0, 2, 2, 7)}};
    const Picture picture = load_recipe(odd);
    if (!picture.empty()) {
        EXPECT_EQ(picture.width, 4);
    }
}

TEST(GifLoading, TheLogoIsTheOneTheWindowDescribes)
{
    std::ifstream file(ORR_LOGO_GIF, std::ios::binary);
    ASSERT_TRUE(file) << ORR_LOGO_GIF;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
    const Picture logo = load(bytes);
    EXPECT_EQ(logo.width, 135);
    EXPECT_EQ(logo.height, 125);
    EXPECT_EQ(logo.global_colours, 16);
    EXPECT_EQ(logo.loop_count, 999);
    ASSERT_EQ(logo.frames.size(), 8u);
    for (const Frame& frame : logo.frames) {
        EXPECT_EQ((std::vector{frame.left, frame.top, frame.width, frame.height}),
                  (std::vector{0, 0, 135, 125}));
        EXPECT_EQ(frame.delay_ms, 100);
        EXPECT_EQ(frame.transparent, 11);
        EXPECT_EQ(frame.disposal, kDisposalBackground);
    }
    // Eight different pictures, not one repeated.
    for (std::size_t i = 1; i < logo.frames.size(); ++i)
        EXPECT_NE(logo.frames[i].pixels, logo.frames[i - 1].pixels) << i;
}

} // namespace
} // namespace orr::gif
