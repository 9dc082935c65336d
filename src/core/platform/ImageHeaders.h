#pragma once

#include <cstdio>

namespace lumo {

// Header readers behind the image probe. Each reads from the start of an open file,
// writes width and height only when it returns true, prints nothing and never aborts.
bool ReadJpegSize(std::FILE* file, int& width, int& height);
bool ReadPngSize(std::FILE* file, int& width, int& height);
bool ReadBmpSize(std::FILE* file, int& width, int& height);

} // namespace lumo
