#include "platform/Utf16Order.h"

#include "platform/Utf8.h"

namespace lumo {

std::u16string Utf16Units(std::string_view utf8) {
    std::u16string units;
    units.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Sequence sequence = DecodeUtf8At(utf8, i);
        if (!sequence.valid) {
            units.push_back(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(utf8[i])));
            ++i;
            continue;
        }
        const char32_t codePoint = sequence.codePoint;
        if (codePoint >= 0x10000) {
            const char32_t offset = codePoint - 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(codePoint));
        }
        i += sequence.length;
    }
    return units;
}

} // namespace lumo
