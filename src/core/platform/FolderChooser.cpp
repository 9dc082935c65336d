#include "platform/FolderChooser.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"

namespace lumo {

std::string ChooserStartFolder(const std::string& startPath) {
    if (!PathExists(startPath) || IsFolder(startPath)) {
        return startPath;
    }
    const std::string folder = FolderPart(startPath);
    return folder.empty() ? startPath : folder;
}

} // namespace lumo
