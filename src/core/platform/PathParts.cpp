#include "platform/PathParts.h"

namespace lumo {

std::string WithTrailingSeparator(std::string path) {
    if (path.empty() || !IsFolderSeparator(path.back())) {
        path += kNativeSeparator;
    }
    return path;
}

bool HasControlCharacter(const std::string& path) {
    for (const char c : path) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return true;
        }
    }
    return false;
}

std::string FileNamePart(const std::string& path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        if (IsSeparator(path[i]) && !IsFolderSeparator(path[i + 1])) {
            start = i + 1;
        }
    }
    return path.substr(start);
}

std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return {};
    }
    for (std::size_t i = dot + 1; i < path.size(); ++i) {
        if (IsFolderSeparator(path[i]) || path[i] == ' ') {
            return {};
        }
    }
    return path.substr(dot);
}

std::string FolderPart(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsFolderSeparator(path[i - 1])) {
            return path.substr(0, i);
        }
    }
    return {};
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && IsFolderSeparator(path.back())) {
        path.pop_back();
    }
    return path;
}

std::string LastName(const std::string& path) {
    return FileNamePart(WithoutTrailingSeparators(path));
}

} // namespace lumo
