#include "platform/ImageHeaders.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

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

} // namespace lumo
