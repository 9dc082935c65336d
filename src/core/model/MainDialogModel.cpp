#include "model/MainDialogModel.h"

#include "platform/FileSystem.h"

namespace lumo {

MainDialogModel::MainDialogModel(IDialogControls& controls, IMessageBox& messages,
                                 IFolderChooser& chooser)
    : controls_(controls), messages_(messages), chooser_(chooser) {}

void MainDialogModel::Initialise() {
    selectedIndex_ = -1;
    arrowKeyPressed_ = false;
    browseStartPath_ = HomeFolder();
}

} // namespace lumo
