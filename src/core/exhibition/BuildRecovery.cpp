#include "exhibition/BuildRecovery.h"

#include "exhibition/BuildJournal.h"
#include "exhibition/CommitMoves.h"

namespace lumo {

namespace {

RecoveryReport Report(const WorkingFolder& folder, RecoveryAction action,
                      TransactionResult result) {
    return {folder.exhibition, action, std::move(result)};
}

// Removes the working folder once its moves are settled; Pending while it stays.
RecoveryReport Removed(const WorkingFolder& folder, RecoveryAction action, FileLock& lock,
                       IFileOperations& ops) {
    if (FileResult removed = RemoveWorkingFolder(folder, lock, ops); !removed) {
        return Report(folder, action,
                      TransactionResult::Failure(TransactionStatus::Pending,
                                                 TransactionStep::Cleanup, folder.root,
                                                 std::move(removed)));
    }
    return Report(folder, action, {});
}

} // namespace

RecoveryReport SettleWorkingFolder(const WorkingFolder& folder, FileLock& lock,
                                   IFileOperations& ops) {
    BuildJournal journal;
    RecoveryAction action = RecoveryAction::Removed;
    switch (ReadJournal(folder.journal, journal)) {
    case JournalState::Corrupt:
        // Only a journal we can read may move anything: leave it all for a person to see.
        return Report(folder, RecoveryAction::None,
                      TransactionResult::Failure(
                          TransactionStatus::Pending, TransactionStep::Journal, folder.journal,
                          FileResult::Failure(FileFailure::Failed, "読み取れない内容です")));
    case JournalState::Missing:
    case JournalState::Incomplete:
        break;
    case JournalState::Complete: {
        const bool forward = IsCommitted(folder);
        action = forward ? RecoveryAction::RolledForward : RecoveryAction::RolledBack;
        TransactionResult moved =
            forward ? MoveForward(folder, journal, ops) : MoveBack(folder, journal, ops);
        if (!moved.ok()) {
            return Report(folder, action, std::move(moved));
        }
        break;
    }
    }
    return Removed(folder, action, lock, ops);
}

RecoveryReport RemoveCommitted(const WorkingFolder& folder, FileLock& lock, IFileOperations& ops) {
    return Removed(folder, RecoveryAction::RolledForward, lock, ops);
}

RecoveryReport RecoverFolder(const std::string& exhibitionFolder, IFileOperations& ops) {
    const WorkingFolder folder(exhibitionFolder);
    const PathKind kind = KindAt(folder.root);
    if (kind == PathKind::Missing) {
        return Report(folder, RecoveryAction::None, {});
    }
    if (kind != PathKind::Folder) {
        return Report(folder, RecoveryAction::None,
                      TransactionResult::Failure(
                          TransactionStatus::Unchanged, TransactionStep::Claim, folder.root,
                          FileResult::Failure(FileFailure::Exists, "フォルダではありません")));
    }
    FileLock lock;
    const FileResult claimed = ClaimWorkingFolder(folder, lock);
    if (claimed.failure == FileFailure::Missing) {
        return Report(folder, RecoveryAction::None, {});
    }
    if (!claimed) {
        const TransactionStatus status = claimed.failure == FileFailure::InUse
                                             ? TransactionStatus::Busy
                                             : TransactionStatus::Unchanged;
        return Report(
            folder, RecoveryAction::None,
            TransactionResult::Failure(status, TransactionStep::Claim, folder.root, claimed));
    }
    return SettleWorkingFolder(folder, lock, ops);
}

} // namespace lumo
