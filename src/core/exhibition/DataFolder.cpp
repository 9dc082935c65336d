#include "exhibition/DataFolder.h"

#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"

namespace lumo {

std::vector<std::string> DataFolderFiles(const std::string& path) {
    const std::string pattern = (IsFolder(path) ? WithTrailingSeparator(path) : path) + "*";
    std::vector<std::string> files;
    for (std::string& listed : ListFolder(pattern)) {
        if (!IsFolder(listed)) {
            files.push_back(std::move(listed));
        }
    }
    return files;
}

} // namespace lumo
