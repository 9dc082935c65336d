#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumo {

// The lower-cased extensions of the images the tool accepts.
inline constexpr std::array<std::string_view, 4> kImageExtensions = {".jpg", ".jpeg", ".png",
                                                                     ".bmp"};

bool IsImageExtension(std::string_view lowerExtension);

// kImageExtensions as people read them: ".jpg, .jpeg, .png, .bmp".
std::string ImageExtensionList();

enum class ProbeOutcome {
    NotAnImagePath, // the extension is none of kImageExtensions; nothing was opened
    Sized,          // the header was read and gives width and height
    Unreadable,     // missing, not a regular file, or a header no decoder would accept
};

struct ProbeResult {
    ProbeOutcome outcome = ProbeOutcome::Unreadable;
    // Both at least 1 when Sized, both 0 otherwise.
    int width = 0;
    int height = 0;
};

// Pixel size of a JPEG, PNG or BMP file as stored in its header (no orientation applied).
// The extension only admits the attempt; the file's content decides the format.
ProbeResult ProbeImageSize(const std::string& path);

} // namespace lumo
