#include "platform/FileSystem.h"
#include "platform/PagingImages.h"
#include "platform/PathParts.h"
#include "platform/PathText.h"

#include <system_error>

namespace lumo {

std::string ResourceFolder() {
    const std::string exeFolder = ExecutableFolder();
    const std::string upImage = std::string(1, kNativeSeparator) + kUpImage;
    if (IsRegularFile(exeFolder + upImage)) {
        return exeFolder;
    }
    std::error_code ec;
    const std::string installed = Utf8FromPath(std::filesystem::weakly_canonical(
        PathFromUtf8(exeFolder) / PathFromUtf8(LUMO_DATA_RELATIVE_DIR), ec));
    if (!ec && IsRegularFile(installed + upImage)) {
        return installed;
    }
    return exeFolder;
}

} // namespace lumo
