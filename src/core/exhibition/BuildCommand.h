#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/BuildRecords.h"
#include "exhibition/EntryProblem.h"
#include "exhibition/Progress.h"
#include "exhibition/StagingResult.h"
#include "platform/FileOperations.h"
#include "platform/FolderChooser.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDisplay.h"

#include <functional>
#include <string>

namespace lumo {

enum class BuildStatus {
    NoEntries,      // refused: the list is empty
    TooManyEntries, // refused: more than 99 entries
    Blocked,        // refused: an entry's own file or a paging image is missing or unreadable
    Cancelled,      // the curator cancelled the folder choice
    Declined,       // the curator chose not to build after the problems were shown
    FolderNotEmpty, // refused: the chosen folder holds an entry folder but no exhibition
    Kept,           // the chosen folder holds an exhibition the curator chose to keep
    InputFolder,    // refused: the build would replace or change one of its own inputs
    Written,        // the new exhibition is in place, whole
    NotWritten,     // the build failed; the chosen folder is as it was
    Busy,           // another build was running; this request did nothing
};

struct BuildOutcome {
    BuildStatus status = BuildStatus::NotWritten;
    StagingResult staging; // empty when the build ended before staging
    // The check's problems the curator accepted, left in the show that was written.
    std::size_t problemsLeft = 0;
};

// Asked whether the exhibition in the chosen folder is to be replaced; false keeps it.
using ReplaceConfirmation = std::function<bool(const std::string& folder)>;

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
    // Without one, the curator is asked through messages.
    ReplaceConfirmation confirmReplace = {};
    // Every file step of the build; the system's when null.
    IFileOperations* ops = nullptr;
    // Keeps each build listed until it is settled, for a start of Lumo after a crash.
    const BuildRecords* records = nullptr;
    // Polled while staging; true abandons the build, leaving the folder as it was.
    std::function<bool()> stopRequested = {};
};

// The "tsd 作成" command: checks the entries (a missing own file or paging image ends it)
// and has the other problems reviewed, asks for the exhibition folder (an exhibition there
// is replaced once confirmed; entry folders without one refuse it), refreshes every
// entry's dataPaths, and as one transaction stages the entry folders and exhibition.tsd
// in a working folder inside it and commits them: the folder ends up holding the whole
// new exhibition or exactly what it held before. The
// outcome is for callers that need it (the command-line tool's exit code); the curator
// has been told everything through the message box, an unexpected failure (memory, an
// unusable code page) included.
BuildOutcome BuildExhibition(EntryList& entries, const std::string& browseStartPath,
                             const BuildServices& services);

} // namespace lumo
