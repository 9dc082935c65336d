#include "model/MainDialogModel.h"

namespace lumo {

MainDialogModel::MainDialogModel(IDialogControls& controls, IMessageBox& messages,
                                 IFolderChooser& chooser, std::string savedListPath)
    : controls_(controls), messages_(messages), chooser_(chooser) {
    if (!savedListPath.empty()) {
        keeper_.emplace(std::move(savedListPath), messages_, [this] {
            return SessionKeeper::ListState{exhibition_.entries(), selectedIndex_};
        });
    }
}

void MainDialogModel::Initialise() {
    selectedIndex_ = -1;
    arrowKeyPressed_ = false;
    lastExhibition_ = {};
    ShowCount();
}

} // namespace lumo
