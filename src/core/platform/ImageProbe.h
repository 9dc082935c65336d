#pragma once

#include <string>

namespace lumo {

// Pixel size of a JPEG, PNG or BMP file as stored in its header (no orientation applied).
// A path whose lower-cased extension is not .jpg, .jpeg, .png or .bmp gives true without
// opening anything or writing width and height. Otherwise the file's content decides the
// format; true with the size written, or false (nothing written) when the header cannot
// be read.
bool ProbeImageSize(const std::string& path, int& width, int& height);

} // namespace lumo
