#include "model/MainDialogModel.h"

#include "exhibition/BuildCommand.h"

#include <exception>
#include <utility>

namespace lumo {

BuildOutcome MainDialogModel::BuildExhibition() {
    if (building_) {
        return {BuildStatus::Busy, {}};
    }
    building_ = true;
    const BuildOutcome outcome = RunBuild();
    building_ = false;
    for (const std::vector<std::string>& paths : std::exchange(dropsDuringBuild_, {})) {
        HandleDroppedFiles(paths);
    }
    return outcome;
}

BuildOutcome MainDialogModel::RunBuild() {
    try {
        return lumo::BuildExhibition(
            entries_, browseStartPath_, topGroupNames_,
            BuildServices{messages_, chooser_, stagingObserver_, problemReview_, progressDisplay_});
    } catch (const std::exception& error) {
        // An unexpected failure (memory, an unusable code page) ends the command with a
        // message; the dialog stays usable.
        messages_.showError(error.what());
        return {BuildStatus::NotWritten, {}};
    }
}

} // namespace lumo
