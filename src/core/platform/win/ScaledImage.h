#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

// An image decoded at a reduced size: rows from the top, four bytes a pixel in the order
// blue, green, red, alpha, the colours premultiplied by alpha; with the pixel size of the
// file it came from. No pixels when the file could not be decoded.
struct ScaledImage {
    int width = 0;
    int height = 0;
    int fullWidth = 0;
    int fullHeight = 0;
    std::vector<std::uint8_t> pixels;
};

// The first frame of the image file at path, scaled down to fit in maxWidth × maxHeight
// with its aspect ratio kept; an image that fits already keeps its size.
ScaledImage DecodeScaled(const std::string& path, int maxWidth, int maxHeight);

} // namespace lumo
