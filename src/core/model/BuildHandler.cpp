#include "model/MainDialogModel.h"

#include "exhibition/ChosenFolder.h"
#include "exhibition/StartupRecovery.h"

#include <utility>

namespace lumo {

namespace {

// The window's folder chooser, making a folder typed into it that does not exist yet,
// and remembering the folder it gave.
class MakingFolderChooser final : public IFolderChooser {
public:
    MakingFolderChooser(IFolderChooser& chooser, IMessageBox& messages)
        : chooser_(chooser), messages_(messages) {}

    std::string chooseFolder(const std::string& startPath) override {
        chosen = chooser_.chooseFolder(startPath);
        if (!chosen.empty() && !MakeChosenFolder(chosen, messages_)) {
            chosen.clear();
        }
        return chosen;
    }

    std::string chosen;

private:
    IFolderChooser& chooser_;
    IMessageBox& messages_;
};

} // namespace

void MainDialogModel::SettleInterruptedBuilds(const BuildRecords& records) {
    SystemFileOperations ops;
    RecoverInterruptedBuilds(records, ops, messages_);
    buildRecords_ = &records;
}

BuildOutcome MainDialogModel::BuildExhibition() {
    if (building_) {
        return {BuildStatus::Busy, {}};
    }
    building_ = true;
    MakingFolderChooser chooser(chooser_, messages_);
    BuildServices services{messages_, chooser, stagingObserver_, problemReview_, progressDisplay_};
    services.records = buildRecords_;
    const BuildOutcome outcome = exhibition_.Build(browseStartPath(), services);
    building_ = false;
    if (outcome.status == BuildStatus::Written) {
        NoteExhibition({ExhibitionOrigin::Built, chooser.chosen});
    }
    for (const std::vector<std::string>& paths : std::exchange(dropsDuringBuild_, {})) {
        HandleDroppedFiles(paths);
    }
    return outcome;
}

} // namespace lumo
