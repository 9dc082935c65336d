#include "platform/win/ScaledImage.h"

#include "platform/win/ComPointer.h"
#include "platform/win/ComScope.h"
#include "platform/win/WidePath.h"

#include <wincodec.h>
#include <windows.h>

#include <algorithm>
#include <climits>

namespace lumo {

namespace {

// The largest size with the image's aspect ratio inside the box, at least a pixel each
// way; the image's own size when it fits.
void FitWithin(UINT fullWidth, UINT fullHeight, int maxWidth, int maxHeight, UINT& width,
               UINT& height) {
    const auto boxWidth = static_cast<std::uint64_t>(std::max(maxWidth, 1));
    const auto boxHeight = static_cast<std::uint64_t>(std::max(maxHeight, 1));
    if (fullWidth <= boxWidth && fullHeight <= boxHeight) {
        width = fullWidth;
        height = fullHeight;
        return;
    }
    const std::uint64_t widthAtBoxHeight = boxHeight * fullWidth / fullHeight;
    if (widthAtBoxHeight <= boxWidth) {
        width = static_cast<UINT>(widthAtBoxHeight);
        height = static_cast<UINT>(boxHeight);
    } else {
        width = static_cast<UINT>(boxWidth);
        height = static_cast<UINT>(boxWidth * fullHeight / fullWidth);
    }
    width = std::max<UINT>(width, 1);
    height = std::max<UINT>(height, 1);
}

} // namespace

ScaledImage DecodeScaled(const std::string& path, int maxWidth, int maxHeight) {
    // Declared in the order that releases the decoding chain before COM.
    const ComScope com;
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    ComPointer<IWICBitmapScaler> scaler;
    ComPointer<IWICFormatConverter> converter;
    UINT fullWidth = 0;
    UINT fullHeight = 0;
    if (!com.usable() ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.out()))) ||
        FAILED(factory->CreateDecoderFromFilename(LongPath(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(frame->GetSize(&fullWidth, &fullHeight)) || fullWidth == 0 || fullHeight == 0 ||
        fullWidth > INT_MAX || fullHeight > INT_MAX) {
        return {};
    }
    UINT width = 0;
    UINT height = 0;
    FitWithin(fullWidth, fullHeight, maxWidth, maxHeight, width, height);
    // Scaled in the file's own pixel format, then converted to premultiplied BGRA, so that
    // only the reduced image is ever converted.
    IWICBitmapSource* source = frame.get();
    if (width != fullWidth || height != fullHeight) {
        if (FAILED(factory->CreateBitmapScaler(scaler.out())) ||
            FAILED(
                scaler->Initialize(frame.get(), width, height, WICBitmapInterpolationModeFant))) {
            return {};
        }
        source = scaler.get();
    }
    ScaledImage image;
    const UINT stride = width * 4;
    image.pixels.resize(static_cast<std::size_t>(stride) * height);
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(image.pixels.size()),
                                     image.pixels.data()))) {
        return {};
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.fullWidth = static_cast<int>(fullWidth);
    image.fullHeight = static_cast<int>(fullHeight);
    return image;
}

} // namespace lumo
