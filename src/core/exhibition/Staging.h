#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/Progress.h"
#include "exhibition/StagingResult.h"
#include "platform/MessageBox.h"

#include <string>
#include <vector>

namespace lumo {

// Creates the entry folders NN in the exhibition folder (which ends with a separator),
// copies each entry's files into its folder and up.jpg and down.jpg beside them. Fills
// staged with the entries whose paths point at the copies. The first failure is shown
// through messages and ends staging; staged then keeps what was replaced so far. The
// result says which failures were shown and where.
// Nothing is ever written outside the exhibition folder. up.jpg and down.jpg come from
// ResourceFolder().
StagingResult StageEntries(const EntryList& entries, const std::string& exhibitionFolder,
                           EntryList& staged, IMessageBox& messages,
                           const StagingObserver& observer = {});

// The same with up.jpg and down.jpg taken from resourceFolder.
StagingResult StageEntries(const EntryList& entries, const std::string& exhibitionFolder,
                           const std::string& resourceFolder, EntryList& staged,
                           IMessageBox& messages, const StagingObserver& observer = {});

} // namespace lumo
