#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/Progress.h"
#include "exhibition/StagingResult.h"
#include "platform/FolderChooser.h"
#include "platform/MessageBox.h"

#include <string>
#include <vector>

namespace lumo {

enum class BuildStatus {
    NoEntries,      // refused: the list is empty
    TooManyEntries, // refused: more than 99 entries
    Cancelled,      // the curator cancelled the folder choice
    Written,        // exhibition.tsd was written (staging may have reported a failure)
    NotWritten,     // exhibition.tsd could not be written
};

struct BuildOutcome {
    BuildStatus status = BuildStatus::NotWritten;
    StagingResult staging; // empty when the build ended before staging
};

struct BuildServices {
    IMessageBox& messages;
    IFolderChooser& chooser;
    StagingObserver observer;
};

inline constexpr std::size_t kMaxEntries = 99;

// The "tsd 作成" command: asks for the exhibition folder, refreshes every entry's
// dataPaths, stages the entry folders, assembles exhibition.tsd and writes it. The
// outcome is for callers that need it (the command-line tool's exit code); the curator
// has been told everything through the message box.
BuildOutcome BuildExhibition(EntryList& entries, const std::string& browseStartPath,
                             std::vector<std::string>& topGroupNames,
                             const BuildServices& services);

} // namespace lumo
