#include "ui/Picture.h"

#include "ui/Check.h"
#include "ui/ComPtr.h"

#include <wincodec.h>

#include <stdexcept>
#include <string>

namespace {

struct Bytes {
    const BYTE* data;
    DWORD size;
};

// Resource memory belongs to the module and is never freed.
Bytes ResourceBytes(int resourceId)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    Check(info != nullptr, "FindResourceW (picture)");
    const HGLOBAL loaded = LoadResource(module, info);
    Check(loaded != nullptr, "LoadResource (picture)");
    const void* data = LockResource(loaded);
    Check(data != nullptr, "LockResource (picture)");
    return {static_cast<const BYTE*>(data), SizeofResource(module, info)};
}

UniqueBitmap MakeDibSection(int width, int height, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows run top-down, as WIC writes them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    Check(bitmap != nullptr && *bits != nullptr, "CreateDIBSection");
    return UniqueBitmap(bitmap);
}

// decoded frame -> scaler -> 32 bpp BGR converter; returns the converter.
void BuildPipeline(IWICImagingFactory* factory, const Bytes& bytes, int width, int height,
                   ComPtr<IWICFormatConverter>& converter)
{
    ComPtr<IWICStream> stream;
    CheckHr(factory->CreateStream(stream.Out()), "IWICImagingFactory::CreateStream");
    // WIC only reads the buffer, but the signature wants it writable.
    CheckHr(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data), bytes.size),
            "IWICStream::InitializeFromMemory");
    ComPtr<IWICBitmapDecoder> decoder;
    CheckHr(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad, decoder.Out()),
            "IWICImagingFactory::CreateDecoderFromStream");
    ComPtr<IWICBitmapFrameDecode> frame;
    CheckHr(decoder->GetFrame(0, frame.Out()), "IWICBitmapDecoder::GetFrame");
    ComPtr<IWICBitmapScaler> scaler;
    CheckHr(factory->CreateBitmapScaler(scaler.Out()), "IWICImagingFactory::CreateBitmapScaler");
    CheckHr(scaler->Initialize(frame.Get(), static_cast<UINT>(width), static_cast<UINT>(height),
                               WICBitmapInterpolationModeFant),
            "IWICBitmapScaler::Initialize");
    CheckHr(factory->CreateFormatConverter(converter.Out()), "IWICImagingFactory::CreateFormatConverter");
    CheckHr(converter->Initialize(scaler.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                  WICBitmapPaletteTypeCustom),
            "IWICFormatConverter::Initialize");
}

}  // namespace

UniqueBitmap LoadPictureResource(const LateBoundApis& apis, int resourceId, int width, int height)
{
    if (width <= 0 || height <= 0) throw std::invalid_argument("picture size must be positive");
    const Bytes bytes = ResourceBytes(resourceId);

    ComPtr<IWICImagingFactory> factory;
    CheckHr(apis.CreateInstance(CLSID_WICImagingFactory, IID_PPV_ARGS(factory.Out())),
            "CoCreateInstance (WIC imaging factory)");
    ComPtr<IWICFormatConverter> converter;
    BuildPipeline(factory.Get(), bytes, width, height, converter);

    void* bits = nullptr;
    UniqueBitmap bitmap = MakeDibSection(width, height, &bits);
    const UINT stride = static_cast<UINT>(width) * 4;
    CheckHr(converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height), static_cast<BYTE*>(bits)),
            "IWICFormatConverter::CopyPixels");
    return bitmap;
}
