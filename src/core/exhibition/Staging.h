#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryPlan.h"
#include "exhibition/Progress.h"
#include "exhibition/StagingResult.h"
#include "platform/FileOperations.h"
#include "platform/MessageBox.h"

#include <functional>
#include <string>
#include <vector>

namespace lumo {

struct StagingOptions {
    // Every copy and folder goes through these; the system's when null.
    IFileOperations* ops = nullptr;
    // The exhibition folder being replaced, if any: a source lying in one of its own
    // names (an entry folder, up.jpg, down.jpg) is hard-linked rather than copied, since
    // the build moves that name aside anyway. Files from anywhere else are always copied,
    // so that editing an original later never changes the show.
    std::string replacedFolder;
    // The entries' plans when the caller has made them already, one per entry.
    const std::vector<EntryPlan>* plans = nullptr;
    // Polled before each file; true fails every step from then on.
    std::function<bool()> stopRequested;
};

// Creates the entry folders NN in the exhibition folder (which ends with a separator),
// copies each entry's files into its folder and up.jpg and down.jpg beside them. Fills
// staged with the entries whose paths point at the copies. Each data path is staged as
// its entry's plan says, the plan the check reports from: what the plan leaves out
// (special files, sub-folders, a name taken by a file where a folder is needed or the
// reverse) is skipped without a message, and so is a data path or a file of a data folder
// that was already missing or unreadable when planned. A failure is shown through messages and,
// unless it is a file inside a data folder, ends staging; staged then keeps what was replaced so
// far. The result says which failures were shown and where.
// Nothing is ever written outside the exhibition folder, and no file the entries are
// built from is ever replaced (a target that is one fails). up.jpg and down.jpg come from
// resourceFolder.
StagingResult StageEntries(const EntryList& entries, const std::string& exhibitionFolder,
                           const std::string& resourceFolder, EntryList& staged,
                           IMessageBox& messages, const StagingObserver& observer = {},
                           const StagingOptions& options = {});

} // namespace lumo
