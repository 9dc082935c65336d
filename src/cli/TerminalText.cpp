#include "cli/TerminalText.h"

#include "platform/Utf8.h"

namespace lumo::cli {

namespace {

void AppendHex(std::string& out, unsigned char byte) {
    const char* const digits = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

} // namespace

std::string TerminalText(std::string_view text, bool keepLineFeeds) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const Utf8Sequence sequence = DecodeUtf8At(text, i);
        const std::string_view bytes = text.substr(i, sequence.length);
        const bool escaped = !sequence.valid || (IsControl(sequence.codePoint) &&
                                                 !(keepLineFeeds && sequence.codePoint == '\n'));
        if (escaped) {
            for (const char byte : bytes) {
                AppendHex(out, static_cast<unsigned char>(byte));
            }
        } else {
            out += bytes;
        }
        i += sequence.length;
    }
    return out;
}

std::string ListField(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (const char byte : name) {
        if (byte == '\t' || byte == '\n' || byte == '\r') {
            AppendHex(out, static_cast<unsigned char>(byte));
        } else {
            out += byte;
        }
    }
    return out;
}

} // namespace lumo::cli
