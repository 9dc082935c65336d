#include "model/SavedListFile.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"

#include <new>

namespace lumo {

namespace {

constexpr int kMaxSetAsideNumber = 999;

std::string SetAside(const std::string& path) {
    const std::string name = FileNamePart(path);
    const std::string extension = ExtensionOf(name);
    const std::string stem =
        FolderPart(path) + name.substr(0, name.size() - extension.size()) + "-set-aside-";
    for (int number = 1; number <= kMaxSetAsideNumber; ++number) {
        const std::string target = stem + std::to_string(number) + extension;
        if (RenameWithoutReplacing(path, target)) {
            return target;
        }
        if (!PathExists(target)) {
            break; // the rename failed for another reason than a taken name
        }
    }
    return path;
}

} // namespace

std::string SavedListPath() {
    return UserStateFolder() + kNativeSeparator + "saved-list.txt";
}

SavedListReadResult ReadSavedList(const std::string& path) {
    SavedListReadResult result;
    if (!PathExists(path)) {
        return result;
    }
    std::string bytes;
    try {
        if (ReadWholeFile(path, bytes)) {
            if (std::optional<SavedList> list = ParseSavedList(bytes)) {
                result.status = SavedListRead::Read;
                result.list = std::move(*list);
                return result;
            }
        }
    } catch (const std::bad_alloc&) {
        // A file too large to hold is no list Lumo wrote; it is set aside like any other.
    }
    result.status = SavedListRead::SetAside;
    result.setAsidePath = SetAside(path);
    return result;
}

} // namespace lumo
