#include "cli/TerminalText.h"

#include <cstddef>

namespace lumo::cli {

namespace {

void AppendHex(std::string& out, unsigned char byte) {
    const char* const digits = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at text[i] (no overlongs, surrogates or
// code points above U+10FFFF); 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(byte(k))) {
            return 0;
        }
    }
    return length;
}

bool IsControl(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1) {
        return lead < 0x20 || lead == 0x7F;
    }
    // U+0080–U+009F are C2 80 to C2 9F.
    return lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0;
}

} // namespace

std::string TerminalText(std::string_view text, bool keepLineFeeds) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            AppendHex(out, static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        const std::string_view sequence = text.substr(i, length);
        if (IsControl(sequence) && !(keepLineFeeds && sequence == "\n")) {
            for (const char byte : sequence) {
                AppendHex(out, static_cast<unsigned char>(byte));
            }
        } else {
            out += sequence;
        }
        i += length;
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
