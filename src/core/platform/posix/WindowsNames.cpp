#include "platform/WindowsNames.h"

#include "platform/Utf16Order.h"

#include <locale.h>
#include <wctype.h>

namespace lumo {

namespace {

// The C library's case mapping for all of Unicode; where the C.UTF-8 locale is missing,
// the C locale's, which maps ASCII only.
locale_t UnicodeCType() {
    static const locale_t locale = [] {
        const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
        return unicode != nullptr ? unicode : newlocale(LC_CTYPE_MASK, "C", nullptr);
    }();
    return locale;
}

} // namespace

std::u16string WindowsNameKey(std::string_view name) {
    std::u16string key = Utf16Units(name);
    const locale_t locale = UnicodeCType();
    for (char16_t& unit : key) {
        // Windows maps unit by unit, never into or out of the supplementary planes.
        const wint_t upper = towupper_l(unit, locale);
        if (upper <= 0xFFFF) {
            unit = static_cast<char16_t>(upper);
        }
    }
    return key;
}

} // namespace lumo
