#pragma once

#include "platform/FileResult.h"

#include <string>

namespace lumo {

// The step of a build's transaction at which it failed.
enum class TransactionStep {
    Claim,         // taking the chosen folder's working folder
    WorkingFolder, // creating it or its folders
    Staged,        // what was staged is not a whole exhibition
    Flush,         // flushing what was staged, or a folder after its moves
    Journal,       // writing or reading the journal
    MoveAside,     // moving one of the earlier exhibition's names into the working folder
    MoveIn,        // moving one of the new exhibition's names into the chosen folder
    Replace,       // replacing exhibition.tsd: the commit itself
    MoveBack,      // undoing the moves after a failure
    Cleanup,       // removing the working folder
};

enum class TransactionStatus {
    Done,      // begun, committed or settled as asked
    Busy,      // another build holds the chosen folder; nothing was done
    Unchanged, // failed, and the chosen folder is as it was before the build
    Pending,   // failed halfway; what is left in the working folder (its journal, or
               // only itself) is settled by the next recovery
};

struct TransactionResult {
    TransactionStatus status = TransactionStatus::Done;
    TransactionStep step = TransactionStep::Claim;
    std::string path; // the file or folder of the failing step
    FileResult file;  // the failure's kind and the system's reason

    bool ok() const { return status == TransactionStatus::Done; }

    static TransactionResult Failure(TransactionStatus status, TransactionStep step,
                                     std::string path, FileResult file) {
        return {status, step, std::move(path), std::move(file)};
    }
};

} // namespace lumo
