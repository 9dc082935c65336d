#include "platform/ImageHeaders.h"

#include "platform/win/ComPointer.h"
#include "platform/win/ComScope.h"

#include <io.h>
#include <objidl.h>
#include <wincodec.h>
#include <windows.h>

namespace lumo {

namespace {

// A read-only stream over an open file, so that the decoder reads the very file the
// probe opened and checked.
class FileStream final : public IStream {
public:
    explicit FileStream(std::FILE* file) : file_(file) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_ISequentialStream || id == IID_IStream) {
            *object = static_cast<IStream*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack, which outlasts every decoder that holds it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* read) override {
        const std::size_t got = std::fread(buffer, 1, size, file_);
        if (read != nullptr) {
            *read = static_cast<ULONG>(got);
        }
        return std::ferror(file_) ? STG_E_READFAULT : (got == size ? S_OK : S_FALSE);
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin,
                                   ULARGE_INTEGER* position) override {
        static const int kOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
        if (origin > STREAM_SEEK_END || _fseeki64(file_, move.QuadPart, kOrigins[origin]) != 0) {
            return STG_E_INVALIDFUNCTION;
        }
        if (position != nullptr) {
            position->QuadPart = static_cast<ULONGLONG>(_ftelli64(file_));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* status, DWORD) override {
        *status = STATSTG{};
        status->type = STGTY_STREAM;
        status->cbSize.QuadPart = static_cast<ULONGLONG>(_filelengthi64(_fileno(file_)));
        status->grfMode = STGM_READ;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override {
        return STG_E_ACCESSDENIED;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                     ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

private:
    std::FILE* file_;
};

// The decoder of the format the file's signature named, asked only for the first frame's
// size: that needs the headers, never the pixels.
bool ReadSizeWith(const GUID& container, std::FILE* file, int& width, int& height) {
    // Declared in the order that releases the decoder before the stream and COM last.
    const ComScope com;
    FileStream stream(file);
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    UINT frameWidth = 0;
    UINT frameHeight = 0;
    if (!com.usable() ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.out()))) ||
        FAILED(factory->CreateDecoder(container, nullptr, decoder.out())) ||
        FAILED(decoder->Initialize(&stream, WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(frame->GetSize(&frameWidth, &frameHeight)) || frameWidth == 0 || frameHeight == 0 ||
        frameWidth > 0x7FFFFFFF || frameHeight > 0x7FFFFFFF) {
        return false;
    }
    width = static_cast<int>(frameWidth);
    height = static_cast<int>(frameHeight);
    return true;
}

} // namespace

bool ReadJpegSize(std::FILE* file, int& width, int& height) {
    return ReadSizeWith(GUID_ContainerFormatJpeg, file, width, height);
}

bool ReadPngSize(std::FILE* file, int& width, int& height) {
    return ReadSizeWith(GUID_ContainerFormatPng, file, width, height);
}

} // namespace lumo
