#include "model/MainDialogModel.h"

#include <utility>

namespace lumo {

BuildOutcome MainDialogModel::BuildExhibition() {
    if (building_) {
        return {BuildStatus::Busy, {}};
    }
    building_ = true;
    const BuildOutcome outcome = exhibition_.Build(
        browseStartPath_,
        BuildServices{messages_, chooser_, stagingObserver_, problemReview_, progressDisplay_});
    building_ = false;
    for (const std::vector<std::string>& paths : std::exchange(dropsDuringBuild_, {})) {
        HandleDroppedFiles(paths);
    }
    return outcome;
}

} // namespace lumo
