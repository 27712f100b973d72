// GIF decoding in the Linux program, with giflib's record-level reader, so that every
// size is checked before anything is allocated for it.
#include <algorithm>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <memory>

#include "about/gif_decoder.h"

namespace orr::gif {
namespace {

constexpr std::array<std::uint8_t, 11> kNetscape{'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
constexpr int kLoopSubBlockId = 1;
// Interlaced rows come in four passes: their first rows and steps.
constexpr std::array<int, 4> kPassStart{0, 4, 2, 1};
constexpr std::array<int, 4> kPassStep{8, 8, 4, 2};

struct Source {
    std::span<const std::uint8_t> data;
    std::size_t at = 0;
};

int read_source(GifFileType* file, GifByteType* into, int wanted)
{
    auto* source = static_cast<Source*>(file->UserData);
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(std::max(wanted, 0)),
                                                    source->data.size() - source->at);
    std::memcpy(into, source->data.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* file) const
    {
        int error = 0;
        DGifCloseFile(file, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

std::vector<std::uint32_t> colours_of(const ColorMapObject* map)
{
    std::vector<std::uint32_t> colours;
    if (!map || !map->Colors)
        return colours;
    for (int i = 0; i < map->ColorCount; ++i) {
        const GifColorType& c = map->Colors[i];
        colours.push_back(std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue);
    }
    return colours;
}

struct Control {
    int delay_ms = 0;
    int disposal = kDisposalNone;
    int transparent = kNoTransparency;
};

// Reads one extension with its sub-blocks; false when the data is damaged.
bool read_extension(GifFileType* file, Picture& picture, Control& control)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(file, &code, &block) == GIF_ERROR)
        return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block) {
        GraphicsControlBlock gcb{};
        if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK) {
            control.delay_ms = gcb.DelayTime * kCentisecondMs;
            control.disposal = gcb.DisposalMode;
            control.transparent = gcb.TransparentColor;
        }
    }
    const bool netscape = code == APPLICATION_EXT_FUNC_CODE && block && block[0] == kNetscape.size() &&
                          std::equal(kNetscape.begin(), kNetscape.end(), block + 1);
    while (block) {
        if (DGifGetExtensionNext(file, &block) == GIF_ERROR)
            return false;
        if (netscape && block && block[0] >= 3 && block[1] == kLoopSubBlockId)
            picture.loop_count = block[2] | block[3] << 8;
    }
    return true;
}

// Skips the image data of a frame that is not kept.
bool skip_image(GifFileType* file)
{
    int code_size = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(file, &code_size, &block) == GIF_ERROR)
        return false;
    while (block) {
        if (DGifGetCodeNext(file, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

bool read_rows(GifFileType* file, Frame& frame, bool interlaced)
{
    frame.pixels.resize(static_cast<std::size_t>(frame.width) * frame.height);
    auto row = [&](int y) { return frame.pixels.data() + static_cast<std::size_t>(y) * frame.width; };
    if (!interlaced) {
        for (int y = 0; y < frame.height; ++y) {
            if (DGifGetLine(file, row(y), frame.width) == GIF_ERROR)
                return false;
        }
        return true;
    }
    for (std::size_t pass = 0; pass < kPassStart.size(); ++pass) {
        for (int y = kPassStart[pass]; y < frame.height; y += kPassStep[pass]) {
            if (DGifGetLine(file, row(y), frame.width) == GIF_ERROR)
                return false;
        }
    }
    return true;
}

} // namespace

Picture decode(std::span<const std::uint8_t> data)
{
    Source source{data};
    int error = 0;
    GifFile file(DGifOpen(&source, &read_source, &error));
    if (!file)
        return {};
    Picture picture;
    picture.width = file->SWidth;
    picture.height = file->SHeight;
    const std::vector<std::uint32_t> global = colours_of(file->SColorMap);

    std::int64_t decoded = 0;
    Control control;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (picture.frames.size() < kMaxFrames) {
        if (DGifGetRecordType(file.get(), &record) == GIF_ERROR || record == TERMINATE_RECORD_TYPE)
            break;
        if (record == EXTENSION_RECORD_TYPE) {
            if (!read_extension(file.get(), picture, control))
                break;
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(file.get()) == GIF_ERROR)
            break;
        const GifImageDesc& desc = file->Image;
        Frame frame;
        frame.left = desc.Left;
        frame.top = desc.Top;
        frame.width = desc.Width;
        frame.height = desc.Height;
        frame.delay_ms = control.delay_ms;
        frame.disposal = control.disposal;
        frame.transparent = control.transparent;
        frame.palette = desc.ColorMap ? colours_of(desc.ColorMap) : global;
        control = Control{};
        if (frame.width <= 0 || frame.height <= 0) {
            frame.width = frame.height = 0;
            if (!skip_image(file.get()))
                break;
            picture.frames.push_back(std::move(frame));
            continue;
        }
        decoded += std::int64_t{frame.width} * frame.height;
        if (decoded > kMaxDecodedPixels || !read_rows(file.get(), frame, desc.Interlace))
            break;
        picture.frames.push_back(std::move(frame));
    }
    return picture;
}

} // namespace orr::gif
