#include "source/SourceReader.h"

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

namespace lumo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Calls deliver for every line of text: a line ends at LF, a CR right before the LF
// belongs to the line end, any other CR stays; a last line without LF counts too.
template <typename Deliver> void ForEachLine(std::string_view text, Deliver deliver) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t lf = text.find('\n', begin);
        if (lf == std::string_view::npos) {
            deliver(text.substr(begin));
            return;
        }
        std::size_t end = lf;
        if (end > begin && text[end - 1] == '\r') {
            --end;
        }
        deliver(text.substr(begin, end - begin));
        begin = lf + 1;
    }
}

// The first line (in the legacy encoding) that mentions "encoding" decides: UTF-8 when
// its encoding="…" span names utf-8 or UTF-8. Lines are decoded one by one and only when
// their bytes hold "encoding"; the legacy encodings are ASCII-compatible, so a line
// without those bytes cannot mention it once decoded.
bool DeclaresUtf8(std::string_view bytes) {
    bool decided = false;
    bool utf8 = false;
    std::size_t begin = 0;
    while (!decided && begin < bytes.size()) {
        std::size_t lf = bytes.find('\n', begin);
        if (lf == std::string_view::npos) {
            lf = bytes.size();
        }
        const std::string_view raw = bytes.substr(begin, lf - begin);
        if (raw.find("encoding") != std::string_view::npos) {
            const std::string line = DecodeLegacy(raw);
            if (line.find("encoding") != std::string::npos) {
                const std::string span = ExtractSpan(line, "encoding=\"", "\"");
                utf8 = span.find("utf-8") != std::string::npos ||
                       span.find("UTF-8") != std::string::npos;
                decided = true;
            }
        }
        begin = lf + 1;
    }
    return utf8;
}

} // namespace

std::string ExtractSpan(std::string_view text, std::string_view start, std::string_view end) {
    const std::size_t s = text.find(start);
    if (s == std::string_view::npos) {
        return {};
    }
    const std::size_t e = text.find(end, s + start.size());
    if (e == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(s, e + end.size() - s));
}

bool ReadSourceLines(const std::string& path, LineList& lines) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        return false;
    }
    std::string text;
    if (DeclaresUtf8(bytes)) {
        std::string_view body = bytes;
        if (body.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
            body.remove_prefix(kUtf8Bom.size());
        }
        text = DecodeUtf8Lossy(body);
    } else {
        text = DecodeLegacy(bytes);
    }
    std::string().swap(bytes);
    ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return true;
}

} // namespace lumo
