#include "exhibition/ExhibitionNames.h"

#include "entry/EntryNumber.h"
#include "exhibition/DocumentFile.h"
#include "platform/FileOperations.h"
#include "platform/PathParts.h"

namespace lumo {

namespace {

// One entry folder per item, and an exhibition holds at most 99 items.
constexpr std::size_t kEntryFolders = 99;

std::vector<std::string> AllExhibitionNames() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kEntryFolders; ++i) {
        names.push_back(EntryNumber(i));
    }
    names.insert(names.end(), {"up.jpg", "down.jpg", kExhibitionDocumentName});
    return names;
}

const std::vector<std::string>& ExhibitionNames() {
    static const std::vector<std::string> names = AllExhibitionNames();
    return names;
}

} // namespace

bool IsExhibitionName(const std::string& name) {
    for (const std::string& candidate : ExhibitionNames()) {
        if (name == candidate) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> ExhibitionNamesIn(const std::string& folder) {
    const std::string prefix = WithTrailingSeparator(folder);
    std::vector<std::string> present;
    for (const std::string& name : ExhibitionNames()) {
        if (KindAt(prefix + name) != PathKind::Missing) {
            present.push_back(name);
        }
    }
    return present;
}

} // namespace lumo
