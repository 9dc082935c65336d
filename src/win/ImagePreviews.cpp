#include "ImagePreviews.h"

#include "platform/win/WidePath.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace lumo::win {

ImagePreviews::ImagePreviews() : cache_(kPreviewCacheBytes) {}

ScaledImage ImagePreviews::preview(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (!GetFileAttributesExW(LongPath(path).c_str(), GetFileExInfoStandard, &file) ||
        (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {};
    }
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    PreviewKey key{path,
                   static_cast<std::int64_t>(join(file.ftLastWriteTime.dwHighDateTime,
                                                  file.ftLastWriteTime.dwLowDateTime)),
                   join(file.nFileSizeHigh, file.nFileSizeLow)};
    if (const ScaledImage* cached = cache_.Find(key)) {
        return *cached;
    }
    ScaledImage decoded = DecodeScaled(path, kPreviewSide, kPreviewSide);
    const std::size_t bytes = std::max<std::size_t>(decoded.pixels.size(), 1);
    cache_.Insert(std::move(key), decoded, bytes);
    return decoded;
}

} // namespace lumo::win
