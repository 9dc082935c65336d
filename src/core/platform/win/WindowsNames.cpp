#include "platform/WindowsNames.h"

#include "platform/Utf16Order.h"

#include <windows.h>

namespace lumo {

std::u16string WindowsNameKey(std::string_view name) {
    std::u16string key = Utf16Units(name);
    if (key.empty()) {
        return key;
    }
    // The same length in and out: the mapping goes unit by unit.
    std::u16string upper(key.size(), u'\0');
    const int mapped =
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, reinterpret_cast<LPCWSTR>(key.data()),
                      static_cast<int>(key.size()), reinterpret_cast<LPWSTR>(upper.data()),
                      static_cast<int>(upper.size()), nullptr, nullptr, 0);
    return mapped == static_cast<int>(key.size()) ? upper : key;
}

} // namespace lumo
