#include "exhibition/DocumentFile.h"

#include "platform/FileSystem.h"

#include <algorithm>

namespace lumo {

std::string EncodeDocument(const std::string& text) {
    const auto lineFeeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    std::string bytes;
    bytes.reserve(3 + text.size() + lineFeeds);
    bytes += "\xEF\xBB\xBF";
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

bool WriteExhibitionDocument(const std::string& path, const std::string& text,
                             std::string& reason) {
    return ReplaceFileAtomically(path, EncodeDocument(text), reason);
}

} // namespace lumo
