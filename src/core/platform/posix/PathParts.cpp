#include "platform/PathParts.h"

namespace lumo {

const char kNativeSeparator = '/';

bool IsSeparator(char c) {
    return c == '/';
}

bool IsFolderSeparator(char c) {
    return c == '/';
}

bool IsDeviceName(const std::string&) {
    return false;
}

} // namespace lumo
