#include "platform/PathParts.h"

#include "platform/WindowsNames.h"

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
    return IsWindowsDeviceName(base);
}

} // namespace lumo
