#include "exhibition/DroppedFile.h"
#include "model/MainDialogModel.h"

namespace lumo {

void MainDialogModel::HandleDroppedFiles(const std::vector<std::string>& paths) {
    if (building_) {
        dropsDuringBuild_.push_back(paths);
        return;
    }
    for (const std::string& path : paths) {
        if (IsBuiltExhibition(path)) {
            if (!ReloadExhibition(path)) {
                return;
            }
            continue;
        }
        ClassifyDroppedFile(current_, path);
        ShowCurrentEntry();
    }
}

} // namespace lumo
