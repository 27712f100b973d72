// GIF decoding in the Windows program, with the Windows Imaging Component: each frame's
// colour indices and palette, and the descriptor, control and looping metadata.
#include <windows.h>
#include <algorithm>
#include <array>
#include <optional>
#include <propidl.h>
#include <wincodec.h>
#include <wrl/client.h>

#include "about/gif_decoder.h"
#include "core/win32/handles.h"

namespace orr::gif {
namespace {

using Microsoft::WRL::ComPtr;

constexpr std::array<std::uint8_t, 11> kNetscape{'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
constexpr std::uint8_t kLoopSubBlockId = 1;

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

std::optional<unsigned> number(IWICMetadataQueryReader* reader, const wchar_t* name)
{
    Property value;
    if (!reader || FAILED(reader->GetMetadataByName(name, value.get())))
        return std::nullopt;
    switch ((*value).vt) {
    case VT_UI1: return (*value).bVal;
    case VT_UI2: return (*value).uiVal;
    case VT_UI4: return (*value).ulVal;
    case VT_BOOL: return (*value).boolVal ? 1u : 0u;
    default: return std::nullopt;
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

int loop_count(IWICMetadataQueryReader* reader)
{
    const std::vector<std::uint8_t> application = bytes(reader, L"/appext/Application");
    if (application.size() != kNetscape.size() ||
        !std::equal(kNetscape.begin(), kNetscape.end(), application.begin()))
        return 1;
    // The data keeps its sub-block framing: size 3, id 1, the count low byte first.
    const std::vector<std::uint8_t> data = bytes(reader, L"/appext/Data");
    if (data.size() < 4 || data[0] < 3 || data[1] != kLoopSubBlockId)
        return 1;
    return data[2] | data[3] << 8;
}

std::vector<std::uint32_t> colours(IWICImagingFactory* factory, IWICBitmapFrameDecode* source)
{
    ComPtr<IWICPalette> palette;
    UINT count = 0;
    if (FAILED(factory->CreatePalette(&palette)) || FAILED(source->CopyPalette(palette.Get())) ||
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
                                std::int64_t& decoded)
{
    ComPtr<IWICBitmapFrameDecode> source;
    if (FAILED(decoder->GetFrame(index, &source)))
        return std::nullopt;
    ComPtr<IWICMetadataQueryReader> reader;
    source->GetMetadataQueryReader(&reader);
    UINT width = 0, height = 0;
    WICPixelFormatGUID format{};
    if (FAILED(source->GetSize(&width, &height)) || FAILED(source->GetPixelFormat(&format)) ||
        format != GUID_WICPixelFormat8bppIndexed)
        return std::nullopt;
    decoded += std::int64_t{width} * height;
    if (decoded > kMaxDecodedPixels)
        return std::nullopt;
    Frame frame;
    frame.left = static_cast<int>(number(reader.Get(), L"/imgdesc/Left").value_or(0));
    frame.top = static_cast<int>(number(reader.Get(), L"/imgdesc/Top").value_or(0));
    frame.width = static_cast<int>(width);
    frame.height = static_cast<int>(height);
    frame.delay_ms = static_cast<int>(number(reader.Get(), L"/grctlext/Delay").value_or(0)) * kCentisecondMs;
    frame.disposal = static_cast<int>(number(reader.Get(), L"/grctlext/Disposal").value_or(kDisposalNone));
    if (number(reader.Get(), L"/grctlext/TransparencyFlag").value_or(0))
        frame.transparent = static_cast<int>(
            number(reader.Get(), L"/grctlext/TransparentColorIndex").value_or(0));
    frame.palette = colours(factory, source.Get());
    frame.pixels.resize(static_cast<std::size_t>(width) * height);
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
    picture.width = static_cast<int>(number(reader.Get(), L"/logscrdesc/Width").value_or(0));
    picture.height = static_cast<int>(number(reader.Get(), L"/logscrdesc/Height").value_or(0));
    picture.loop_count = loop_count(reader.Get());

    UINT count = 0;
    if (FAILED(decoder->GetFrameCount(&count)))
        return picture;
    std::int64_t decoded = 0;
    for (UINT index = 0; index < count && picture.frames.size() < kMaxFrames; ++index) {
        std::optional<Frame> frame = read_frame(factory.Get(), decoder.Get(), index, decoded);
        if (!frame)
            break;
        picture.frames.push_back(std::move(*frame));
    }
    return picture;
}

} // namespace orr::gif
