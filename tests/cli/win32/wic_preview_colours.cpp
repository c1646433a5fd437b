// Preview colours through the Windows Imaging Component, the decoder Windows programs use.
#include <wincodec.h>
#include <windows.h>

#include <vector>

#include "tests/cli/preview_colours.h"

namespace {
// Releases a COM interface at the end of its scope.
template <typename T>
struct Held {
    T* p = nullptr;
    ~Held() {
        if (p) p->Release();
    }
};
}  // namespace

std::set<std::uint32_t> previewColours(const std::filesystem::path& png) {
    std::set<std::uint32_t> colours;
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return colours;
    {
        Held<IWICImagingFactory> factory;
        Held<IWICBitmapDecoder> decoder;
        Held<IWICBitmapFrameDecode> frame;
        Held<IWICFormatConverter> converter;
        UINT width = 0, height = 0;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IWICImagingFactory,
                                       reinterpret_cast<void**>(&factory.p))) &&
            SUCCEEDED(factory.p->CreateDecoderFromFilename(
                png.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, &decoder.p)) &&
            SUCCEEDED(decoder.p->GetFrame(0, &frame.p)) &&
            SUCCEEDED(factory.p->CreateFormatConverter(&converter.p)) &&
            SUCCEEDED(converter.p->Initialize(frame.p, GUID_WICPixelFormat32bppRGBA,
                                              WICBitmapDitherTypeNone, nullptr, 0.0,
                                              WICBitmapPaletteTypeCustom)) &&
            SUCCEEDED(converter.p->GetSize(&width, &height))) {
            std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
            if (SUCCEEDED(converter.p->CopyPixels(nullptr, width * 4,
                                                  static_cast<UINT>(pixels.size() * 4),
                                                  reinterpret_cast<BYTE*>(pixels.data())))) {
                colours.insert(pixels.begin(), pixels.end());
            }
        }
    }
    CoUninitialize();
    return colours;
}
