#pragma once

#include "model/MainDialogModel.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"

#include <deque>
#include <string>
#include <utility>

namespace lumo::test {

// The dialog's logic wired to recording doubles and initialised; the folder chooser
// answers with the given folders in turn, then cancels.
struct TestDialog {
    explicit TestDialog(std::deque<std::string> folders = {}) : chooser(std::move(folders)) {
        model.Initialise();
    }

    FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model{controls, messages, chooser};
};

} // namespace lumo::test
