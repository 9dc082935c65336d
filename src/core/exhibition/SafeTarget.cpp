#include "exhibition/SafeTarget.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "platform/PathText.h"

namespace lumo {

namespace {

// Normal form ("a/./b/../c/" gives "a/c"), trailing separators dropped, as the system
// reads the path: Windows also drops the dots and spaces that end a name (".. " is "..").
std::string NormalForm(const std::string& path) {
    std::string normal = LexicallyNormal(AbsolutePath(path));
    while (normal.size() > 1 && IsFolderSeparator(normal.back())) {
        normal.pop_back();
    }
    return normal;
}

} // namespace

bool LiesInside(const std::string& target, const std::string& folder) {
    const std::string normalTarget = NormalForm(target);
    const std::string inside = WithTrailingSeparator(NormalForm(folder));
    return normalTarget.size() > inside.size() &&
           normalTarget.compare(0, inside.size(), inside) == 0 &&
           !IsDeviceName(FileNamePart(normalTarget));
}

bool IsSafeTarget(const std::string& target, const std::string& folder, const std::string& source) {
    return LiesInside(target, folder) && NormalForm(target) != NormalForm(source);
}

} // namespace lumo
