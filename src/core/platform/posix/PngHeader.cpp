#include "platform/ImageHeaders.h"

#include <png.h>

namespace lumo {

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
