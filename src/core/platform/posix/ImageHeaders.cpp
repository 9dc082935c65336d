#include "platform/ImageHeaders.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

namespace lumo {

namespace {

// libjpeg's default handler prints and calls exit(); this one jumps back to the reader.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void Escape(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

void Discard(j_common_ptr) {}

// At a premature end of file libjpeg goes on with invented bytes and only warns; a
// header cut short must fail instead. Other warnings are ignored silently.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        Escape(info);
    }
}

} // namespace

bool ReadJpegSize(std::FILE* file, int& width, int& height) {
    jpeg_decompress_struct info{};
    ErrorTrap trap{};
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = Escape;
    trap.manager.output_message = Discard;
    trap.manager.emit_message = OnMessage;
    if (setjmp(trap.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    // libjpeg refuses zero sizes and anything above 65500, so both fit an int.
    width = static_cast<int>(info.image_width);
    height = static_cast<int>(info.image_height);
    jpeg_destroy_decompress(&info);
    return true;
}


namespace {

[[noreturn]] void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

} // namespace

bool ReadPngSize(std::FILE* file, int& width, int& height) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    // The format allows sizes up to 2^31 - 1; only the header is read, so the library's
    // smaller default limits would only refuse valid files.
    png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_init_io(png, file);
    png_read_info(png, info);
    const png_uint_32 pngWidth = png_get_image_width(png, info);
    const png_uint_32 pngHeight = png_get_image_height(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    // png_read_info has checked both against PNG_UINT_31_MAX and zero.
    width = static_cast<int>(pngWidth);
    height = static_cast<int>(pngHeight);
    return true;
}

} // namespace lumo
