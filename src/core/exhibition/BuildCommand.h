#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryProblem.h"
#include "exhibition/Progress.h"
#include "exhibition/StagingResult.h"
#include "platform/FolderChooser.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDisplay.h"

#include <functional>
#include <string>

namespace lumo {

enum class BuildStatus {
    NoEntries,      // refused: the list is empty
    TooManyEntries, // refused: more than 99 entries
    Cancelled,      // the curator cancelled the folder choice
    Declined,       // the curator chose not to build after the problems were shown
    FolderNotEmpty, // refused: the chosen folder already holds an entry folder
    Written,        // exhibition.tsd was written (staging may have reported a failure)
    NotWritten,     // exhibition.tsd could not be written
    Busy,           // another build was running; this request did nothing
};

struct BuildOutcome {
    BuildStatus status = BuildStatus::NotWritten;
    StagingResult staging; // empty when the build ended before staging
};

// Shown the problems found before anything is chosen or copied; false ends the build.
using ProblemReview = std::function<bool(const ProblemList& problems)>;

struct BuildServices {
    IMessageBox& messages;
    IFolderChooser& chooser;
    StagingObserver observer;
    // Without one, the curator is asked through messages.
    ProblemReview review = {};
    // Shows staging's progress once it takes a while; closed before every message.
    IProgressDisplay* progress = nullptr;
};

// The "tsd 作成" command: checks the entries and has the problems found reviewed, asks
// for the exhibition folder (which must hold no entry folder yet), refreshes every
// entry's dataPaths, stages the entry folders, assembles exhibition.tsd and writes it. The
// outcome is for callers that need it (the command-line tool's exit code); the curator
// has been told everything through the message box, an unexpected failure (memory, an
// unusable code page) included.
BuildOutcome BuildExhibition(EntryList& entries, const std::string& browseStartPath,
                             const BuildServices& services);

} // namespace lumo
