#include "support/TestImages.h"

#include "platform/PathText.h"
#include "platform/win/ComPointer.h"
#include "platform/win/WidePath.h"

#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lumo::test {

namespace {

void Check(HRESULT result, const std::string& path) {
    if (FAILED(result)) {
        throw std::runtime_error("cannot write " + path);
    }
}

// Encodes a flat grey picture with the system's encoder for the container.
void WriteGrey(const GUID& container, const std::string& path, int width, int height) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IWICStream> stream;
    ComPointer<IWICBitmapEncoder> encoder;
    ComPointer<IWICBitmapFrameEncode> frame;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(factory.out())),
          path);
    Check(factory->CreateStream(stream.out()), path);
    Check(stream->InitializeFromFilename(LongPath(path).c_str(), GENERIC_WRITE), path);
    Check(factory->CreateEncoder(container, nullptr, encoder.out()), path);
    Check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), path);
    Check(encoder->CreateNewFrame(frame.out(), nullptr), path);
    Check(frame->Initialize(nullptr), path);
    Check(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)), path);
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    Check(frame->SetPixelFormat(&format), path);
    const UINT stride = static_cast<UINT>(width) * 3;
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height),
                             128);
    Check(frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(pixels.size()),
                             pixels.data()),
          path);
    Check(frame->Commit(), path);
    Check(encoder->Commit(), path);
}

// Puts an APP1 segment with the Exif block right after the JPEG's start marker.
void InsertExif(const std::string& path, int orientation) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::vector<unsigned char> exif = ExifOrientation(orientation);
    const std::size_t length = exif.size() + 2;
    std::string segment = {'\xFF', '\xE1', static_cast<char>(length >> 8),
                           static_cast<char>(length & 0xFF)};
    segment.append(reinterpret_cast<const char*>(exif.data()), exif.size());
    bytes.insert(2, segment);
    std::ofstream(PathFromUtf8(path), std::ios::binary) << bytes;
}

} // namespace

void WriteJpeg(const std::string& path, int width, int height, int exifOrientation) {
    WriteGrey(GUID_ContainerFormatJpeg, path, width, height);
    if (exifOrientation != 0) {
        InsertExif(path, exifOrientation);
    }
}

void WritePng(const std::string& path, int width, int height) {
    WriteGrey(GUID_ContainerFormatPng, path, width, height);
}

} // namespace lumo::test
