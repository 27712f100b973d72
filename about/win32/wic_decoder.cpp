// GIF decoding in the Windows program, with the Windows Imaging Component: each frame's
// colour indices and palette, and the descriptor, control and looping metadata.
#include <windows.h>
#include <algorithm>
#include <optional>
#include <propidl.h>
#include <wincodec.h>
#include <wrl/client.h>

#include "about/gif_decoder.h"
#include "about/gif_records.h"
#include "core/win32/handles.h"

namespace orr::gif {
namespace {

using Microsoft::WRL::ComPtr;

class Property {
public:
    Property() { PropVariantInit(&value_); }
    ~Property() { PropVariantClear(&value_); }
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;
    PROPVARIANT* get() { return &value_; }
    const PROPVARIANT& operator*() const { return value_; }

private:
    PROPVARIANT value_;
};

int number(IWICMetadataQueryReader* reader, const wchar_t* name, int fallback = 0)
{
    Property value;
    if (!reader || FAILED(reader->GetMetadataByName(name, value.get())))
        return fallback;
    switch ((*value).vt) {
    case VT_UI1: return (*value).bVal;
    case VT_UI2: return (*value).uiVal;
    case VT_UI4: return static_cast<int>((*value).ulVal);
    case VT_BOOL: return (*value).boolVal ? 1 : 0;
    default: return fallback;
    }
}

std::vector<std::uint8_t> bytes(IWICMetadataQueryReader* reader, const wchar_t* name)
{
    Property value;
    if (!reader || FAILED(reader->GetMetadataByName(name, value.get())) ||
        (*value).vt != (VT_UI1 | VT_VECTOR))
        return {};
    const CAUB& vector = (*value).caub;
    return std::vector<std::uint8_t>(vector.pElems, vector.pElems + vector.cElems);
}

// The data of a NETSCAPE2.0 extension keeps its sub-block framing.
std::optional<int> loops(IWICMetadataQueryReader* reader)
{
    if (!is_looping_extension(bytes(reader, L"/appext/Application")))
        return std::nullopt;
    return loop_count(bytes(reader, L"/appext/Data"));
}

// A frame with no colour table, its own or the picture's, has none to copy: Wine's codec
// fails inside the copy then.
std::vector<std::uint32_t> colours(IWICImagingFactory* factory, IWICBitmapFrameDecode* source,
                                   IWICMetadataQueryReader* reader, bool global_table)
{
    ComPtr<IWICPalette> palette;
    UINT count = 0;
    if ((!global_table && !number(reader, L"/imgdesc/LocalColorTableFlag")) ||
        FAILED(factory->CreatePalette(&palette)) || FAILED(source->CopyPalette(palette.Get())) ||
        FAILED(palette->GetColorCount(&count)))
        return {};
    std::vector<WICColor> argb(count);
    UINT copied = 0;
    if (count == 0 || FAILED(palette->GetColors(count, argb.data(), &copied)))
        return {};
    std::vector<std::uint32_t> rgb;
    for (UINT i = 0; i < copied; ++i)
        rgb.push_back(argb[i] & 0xFFFFFF);
    return rgb;
}

// One frame, or nothing when it cannot be read whole or would pass the pixel budget.
std::optional<Frame> read_frame(IWICImagingFactory* factory, IWICBitmapDecoder* decoder, UINT index,
                                bool global_table, PixelBudget& budget)
{
    ComPtr<IWICBitmapFrameDecode> source;
    if (FAILED(decoder->GetFrame(index, &source)))
        return std::nullopt;
    ComPtr<IWICMetadataQueryReader> reader;
    source->GetMetadataQueryReader(&reader);
    UINT width = 0, height = 0;
    WICPixelFormatGUID format{};
    if (FAILED(source->GetSize(&width, &height)) || FAILED(source->GetPixelFormat(&format)) ||
        format != GUID_WICPixelFormat8bppIndexed ||
        !budget.Take(static_cast<int>(width), static_cast<int>(height)))
        return std::nullopt;
    const GraphicControl control{number(reader.Get(), L"/grctlext/Delay"),
                                 number(reader.Get(), L"/grctlext/Disposal", kDisposalNone),
                                 number(reader.Get(), L"/grctlext/TransparencyFlag")
                                     ? number(reader.Get(), L"/grctlext/TransparentColorIndex")
                                     : kNoTransparency};
    Frame frame = frame_of(number(reader.Get(), L"/imgdesc/Left"), number(reader.Get(), L"/imgdesc/Top"),
                           static_cast<int>(width), static_cast<int>(height), control,
                           colours(factory, source.Get(), reader.Get(), global_table));
    frame.pixels.resize(static_cast<std::size_t>(frame.width) * frame.height);
    if (!frame.pixels.empty() &&
        FAILED(
            source->CopyPixels(nullptr, width, static_cast<UINT>(frame.pixels.size()), frame.pixels.data())))
        return std::nullopt;
    return frame;
}

} // namespace

Picture decode(std::span<const std::uint8_t> data)
{
    win32::ComScope com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    if (data.empty() || data.size() > MAXDWORD ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(
            stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()))) ||
        FAILED(factory->CreateDecoder(GUID_ContainerFormatGif, nullptr, &decoder)) ||
        FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnLoad)))
        return {};
    Picture picture;
    ComPtr<IWICMetadataQueryReader> reader;
    decoder->GetMetadataQueryReader(&reader);
    picture.width = number(reader.Get(), L"/logscrdesc/Width");
    picture.height = number(reader.Get(), L"/logscrdesc/Height");
    picture.loop_count = loops(reader.Get()).value_or(picture.loop_count);

    UINT count = 0;
    if (FAILED(decoder->GetFrameCount(&count)))
        return picture;
    const bool global_table = number(reader.Get(), L"/logscrdesc/GlobalColorTableFlag") != 0;
    PixelBudget budget;
    for (UINT index = 0; index < count && picture.frames.size() < kMaxFrames; ++index) {
        std::optional<Frame> frame = read_frame(factory.Get(), decoder.Get(), index, global_table, budget);
        if (!frame)
            break;
        picture.frames.push_back(std::move(*frame));
    }
    return picture;
}

} // namespace orr::gif
