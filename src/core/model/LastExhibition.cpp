#include "model/LastExhibition.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"

namespace lumo {

namespace {

// The folder that holds folder; folder itself for a root, which has no parent.
std::string ParentFolder(const std::string& folder) {
    std::string trimmed = folder;
    while (!trimmed.empty() && IsFolderSeparator(trimmed.back())) {
        trimmed.pop_back();
    }
    const std::string parent = FolderPart(trimmed);
    return parent.empty() ? folder : parent;
}

} // namespace

std::string FolderChooserStart(const LastExhibition& last) {
    std::string start;
    if (last.origin == ExhibitionOrigin::Built) {
        start = ParentFolder(last.folder);
        if (!IsFolder(start)) {
            start = last.folder;
        }
    } else if (last.origin == ExhibitionOrigin::Reloaded) {
        start = last.folder;
    }
    return IsFolder(start) ? start : HomeFolder();
}

} // namespace lumo
