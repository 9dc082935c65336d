#include "platform/CodePage.h"

#include "platform/PathParts.h"

#include <array>
#include <cstdlib>

namespace lumo {

std::string RequestedCodePage() {
    const char* named = std::getenv(kCodePageVariable);
    return named == nullptr ? std::string() : std::string(named);
}

unsigned CodePageNumber(std::string_view name) {
    const std::string lower = LowerAscii(std::string(name));
    static constexpr std::array<std::string_view, 4> kAliases932 = {"shift_jis", "sjis",
                                                                    "windows-31j", "ms932"};
    for (std::string_view alias : kAliases932) {
        if (lower == alias) {
            return 932;
        }
    }
    if (lower.size() < 3 || lower.size() > 8 || lower.compare(0, 2, "cp") != 0) {
        return 0;
    }
    unsigned number = 0;
    for (std::size_t i = 2; i < lower.size(); ++i) {
        if (lower[i] < '0' || lower[i] > '9') {
            return 0;
        }
        number = number * 10 + static_cast<unsigned>(lower[i] - '0');
    }
    return number;
}

std::string_view Cp932SingleByte(unsigned char byte) {
    switch (byte) {
    case 0x80:
        return "\xC2\x80"; // U+0080
    case 0xA0:
        return "\xEF\xA3\xB0"; // U+F8F0
    case 0xFD:
        return "\xEF\xA3\xB1"; // U+F8F1
    case 0xFE:
        return "\xEF\xA3\xB2"; // U+F8F2
    case 0xFF:
        return "\xEF\xA3\xB3"; // U+F8F3
    default:
        return {};
    }
}

} // namespace lumo
