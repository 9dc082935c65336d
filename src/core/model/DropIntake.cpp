#include "model/DropIntake.h"

#include "exhibition/DocumentFile.h"
#include "model/MainDialogModel.h"
#include "platform/FileSystem.h"
#include "platform/ImageProbe.h"
#include "platform/PathParts.h"

namespace lumo {

bool IsImageExtension(const std::string& lowerExtension) {
    return lowerExtension == ".jpg" || lowerExtension == ".jpeg" || lowerExtension == ".png" ||
           lowerExtension == ".bmp";
}

void ClassifyDroppedFile(ExhibitionEntry& entry, const std::string& path,
                         const std::string& lowerExtension) {
    if (IsFolder(path)) {
        return;
    }
    if (lowerExtension == ".tsd") {
        entry.documentPath = path;
        return;
    }
    if (!IsImageExtension(lowerExtension)) {
        return;
    }
    int width = 0;
    int height = 0;
    if (!ProbeImageSize(path, width, height)) {
        return;
    }
    if (height > width) {
        entry.descriptionPath = path;
    } else {
        entry.thumbnailPath = path;
    }
}

void MainDialogModel::HandleDroppedFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (FileNamePart(path) == kExhibitionDocumentName) {
            if (!ReloadExhibition(path)) {
                return;
            }
            continue;
        }
        const std::string extension = LowerAscii(ExtensionOf(path));
        if (extension == ".tsd") {
            browseStartPath_ = path;
        }
        ClassifyDroppedFile(current_, path, extension);
        ShowCurrentEntry();
    }
}

} // namespace lumo
