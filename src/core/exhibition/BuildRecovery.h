#pragma once

#include "exhibition/TransactionResult.h"
#include "exhibition/WorkingFolder.h"
#include "platform/FileLock.h"
#include "platform/FileOperations.h"

#include <string>

namespace lumo {

// What a recovery did with a chosen folder's working folder.
enum class RecoveryAction {
    None,          // there was none, or another build still holds it
    Removed,       // nothing had been moved: it was only removed
    RolledBack,    // an uncommitted commit was undone: the earlier exhibition is back
    RolledForward, // a commit was finished: the new exhibition is in place
};

struct RecoveryReport {
    std::string folder;
    RecoveryAction action = RecoveryAction::None;
    TransactionResult result;
};

// Settles a working folder this process holds: by its journal, finishes a commit that was
// made or undoes one that was not, then removes the working folder. Pending when
// something is left for the next recovery: a journal, or only the working folder.
RecoveryReport SettleWorkingFolder(const WorkingFolder& folder, FileLock& lock,
                                   IFileOperations& ops);

// Removes the working folder of a commit this process has just finished and flushed; its
// moves are not read back from the journal and made again.
RecoveryReport RemoveCommitted(const WorkingFolder& folder, FileLock& lock, IFileOperations& ops);

// What a start of Lumo, a reload and every build do first with a chosen folder: settles
// whatever a build that has ended (finished, failed or killed) left in it. Busy while a
// build in another process still runs there.
RecoveryReport RecoverFolder(const std::string& folder, IFileOperations& ops);

} // namespace lumo
