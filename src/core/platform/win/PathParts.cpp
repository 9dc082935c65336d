#include "platform/PathParts.h"

#include <array>
#include <string_view>

namespace lumo {

const char kNativeSeparator = '\\';

bool IsSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

bool IsFolderSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsDeviceName(const std::string& name) {
    std::string base = name;
    while (!base.empty() && IsFolderSeparator(base.back())) {
        base.pop_back();
    }
    // The system ignores an extension and spaces before it: "nul .txt" is NUL too.
    base = LowerAscii(base.substr(0, base.find('.')));
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

} // namespace lumo
