#include "model/DropIntake.h"

#include "exhibition/DocumentFile.h"
#include "model/MainDialogModel.h"
#include "platform/FileSystem.h"
#include "platform/ImageProbe.h"
#include "platform/PathParts.h"

namespace lumo {

void ClassifyDroppedFile(ExhibitionEntry& entry, const std::string& path,
                         const std::string& lowerExtension) {
    if (IsFolder(path)) {
        return;
    }
    if (lowerExtension == ".tsd") {
        entry.documentPath = path;
        return;
    }
    const ProbeResult image = ProbeImageSize(path);
    if (image.outcome != ProbeOutcome::Sized) {
        return;
    }
    if (image.height > image.width) {
        entry.descriptionPath = path;
    } else {
        entry.thumbnailPath = path;
    }
}

void MainDialogModel::HandleDroppedFiles(const std::vector<std::string>& paths) {
    if (building_) {
        dropsDuringBuild_.push_back(paths);
        return;
    }
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
