#include "platform/WindowsNames.h"

#include "platform/PathParts.h"

#include <array>

namespace lumo {

bool IsWindowsDeviceName(std::string_view name) {
    // The system ignores an extension and the spaces before it: "nul .txt" is NUL too.
    std::string base = LowerAscii(std::string(name.substr(0, name.find('.'))));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    static constexpr std::array<std::string_view, 4> kPlain = {"con", "prn", "aux", "nul"};
    for (std::string_view reserved : kPlain) {
        if (base == reserved) {
            return true;
        }
    }
    return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

bool WindowsRefusesName(std::string_view name) {
    constexpr std::string_view kRefused = "<>:\"|?*\\";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || kRefused.find(c) != std::string_view::npos) {
            return true;
        }
    }
    return !name.empty() && (name.back() == '.' || name.back() == ' ' || IsWindowsDeviceName(name));
}

} // namespace lumo
