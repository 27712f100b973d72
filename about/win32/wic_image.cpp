#include "about/win32/wic_image.h"

#include <wincodec.h>
#include <wrl/client.h>

#include "core/win32/handles.h"

namespace orr::win32 {

using Microsoft::WRL::ComPtr;

namespace {

constexpr int kBytesPerPixel = 4;

} // namespace

GdiObject<HBITMAP> scaled_image(std::span<const std::uint8_t> data, int width, int height)
{
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapScaler> scaler;
    ComPtr<IWICFormatConverter> converter;
    if (data.empty() || width <= 0 || height <= 0 ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(
            stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(frame.Get(), width, height, WICBitmapInterpolationModeFant)) ||
        FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(scaler.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return {};
    std::uint32_t* bits = nullptr;
    GdiObject<HBITMAP> bitmap = dib_section(width, height, bits);
    const UINT stride = static_cast<UINT>(width * kBytesPerPixel);
    if (!bitmap || FAILED(converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height),
                                                reinterpret_cast<BYTE*>(bits))))
        return {};
    return bitmap;
}

} // namespace orr::win32
