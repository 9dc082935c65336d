#include "model/MainDialogModel.h"

#include "exhibition/BuildCommand.h"

#include <exception>

namespace lumo {

BuildOutcome MainDialogModel::BuildExhibition() {
    try {
        return lumo::BuildExhibition(entries_, browseStartPath_, topGroupNames_,
                                     BuildServices{messages_, chooser_, stagingObserver_});
    } catch (const std::exception& error) {
        // An unexpected failure (memory, an unusable code page) ends the command with a
        // message; the dialog stays usable.
        messages_.showError(error.what());
        return {BuildStatus::NotWritten, {}};
    }
}

} // namespace lumo
