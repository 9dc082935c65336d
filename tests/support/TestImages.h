#pragma once

#include <string>
#include <vector>

namespace lumo::test {

// Writers of flat grey images for tests and benchmarks, tuned for speed rather than
// quality. They throw when the file cannot be created.

// A minimal big-endian Exif block holding only the Orientation tag.
inline std::vector<unsigned char> ExifOrientation(int orientation) {
    return {'E',  'x',  'i', 'f', 0, 0,       // header
            'M',  'M',  0,   42,  0, 0, 0, 8, // TIFF, IFD0 at 8
            0,    1,                          // one entry
            0x01, 0x12, 0,   3,   0, 0, 0, 1, 0, static_cast<unsigned char>(orientation),
            0,    0,    0,   0,   0, 0}; // no next IFD
}

// exifOrientation 0 writes no Exif block.
void WriteJpeg(const std::string& path, int width, int height, int exifOrientation = 0);
void WritePng(const std::string& path, int width, int height);

} // namespace lumo::test
