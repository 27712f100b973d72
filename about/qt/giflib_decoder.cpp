// GIF decoding in the Linux program, with giflib's record-level reader, so that every
// size is checked before anything is allocated for it.
#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <utility>

#include "about/gif_decoder.h"
#include "about/gif_records.h"

namespace orr::gif {
namespace {

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

// Reads one extension with its sub-blocks; false when the data is damaged.
bool read_extension(GifFileType* file, Picture& picture, GraphicControl& control)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(file, &code, &block) == GIF_ERROR)
        return false;
    GraphicsControlBlock gcb{};
    if (code == GRAPHICS_EXT_FUNC_CODE && block && DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK)
        control = {gcb.DelayTime, gcb.DisposalMode, gcb.TransparentColor};
    const bool looping = code == APPLICATION_EXT_FUNC_CODE && block &&
                         is_looping_extension({block + 1, block[0]});
    while (block) {
        if (DGifGetExtensionNext(file, &block) == GIF_ERROR)
            return false;
        if (looping && block)
            picture.loop_count = loop_count({block, block[0] + 1u}).value_or(picture.loop_count);
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
    for (int y : stored_rows(frame.height, interlaced)) {
        if (DGifGetLine(file, frame.pixels.data() + static_cast<std::size_t>(y) * frame.width, frame.width) ==
            GIF_ERROR)
            return false;
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

    PixelBudget budget;
    GraphicControl control;
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
        Frame frame = frame_of(desc.Left, desc.Top, desc.Width, desc.Height, std::exchange(control, {}),
                               desc.ColorMap ? colours_of(desc.ColorMap) : global);
        const bool read = frame.width == 0 ? skip_image(file.get())
                                           : budget.Take(frame.width, frame.height) &&
                                                 read_rows(file.get(), frame, desc.Interlace);
        if (!read)
            break;
        picture.frames.push_back(std::move(frame));
    }
    return picture;
}

} // namespace orr::gif
