#include "exhibition/BuildTransaction.h"

#include "exhibition/BuildJournal.h"
#include "exhibition/CommitMoves.h"
#include "exhibition/DocumentFile.h"
#include "exhibition/ExhibitionNames.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"

#include <algorithm>

namespace lumo {

namespace {

TransactionResult Unchanged(TransactionStep step, const std::string& path, FileResult file) {
    return TransactionResult::Failure(TransactionStatus::Unchanged, step, path, std::move(file));
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names = FolderEntryNames(folder);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::string& name) { return name == "." || name == ".."; }),
                names.end());
    return names;
}

// The staged names in the order they move in, exhibition.tsd last; empty with failure
// set when the staged folder is no whole exhibition of ours.
std::vector<std::string> NamesToMoveIn(const WorkingFolder& folder, TransactionResult& failure) {
    std::vector<std::string> names = NamesIn(folder.staged);
    for (const std::string& name : names) {
        if (!IsExhibitionName(name)) {
            failure =
                Unchanged(TransactionStep::Staged, folder.stagedName(name),
                          FileResult::Failure(FileFailure::Failed, "展示の名前ではありません"));
            return {};
        }
    }
    const std::string document = folder.stagedName(kExhibitionDocumentName);
    if (KindAt(document) != PathKind::File) {
        failure = Unchanged(TransactionStep::Staged, document,
                            FileResult::Failure(FileFailure::Missing, "ありません"));
        return {};
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const bool aDocument = a == kExhibitionDocumentName;
        const bool bDocument = b == kExhibitionDocumentName;
        return aDocument != bDocument ? bDocument : a < b;
    });
    return names;
}

} // namespace

BuildTransaction::BuildTransaction(IFileOperations& ops, const BuildRecords* records)
    : ops_(ops), records_(records) {}

BuildTransaction::~BuildTransaction() {
    abandon();
}

std::string BuildTransaction::stagingFolder() const {
    return WithTrailingSeparator(folder_->staged);
}

TransactionResult BuildTransaction::begin(const std::string& folder) {
    // Recorded before the working folder exists, so that no moment of the build is
    // unrecorded; a build that cannot be recorded still runs (a reload or the next build
    // into the folder settles it then).
    if (records_ != nullptr) {
        records_->add(folder, record_);
    }
    recovery_ = RecoverFolder(folder, ops_);
    if (!recovery_.result.ok()) {
        // Only what is left for a later recovery needs the record; another build running
        // there has its own.
        if (recovery_.result.status != TransactionStatus::Pending) {
            record_.remove();
        }
        return recovery_.result;
    }

    folder_.emplace(folder);
    if (FileResult made = ops_.makeFolder(folder_->root); !made) {
        record_.remove();
        return TransactionResult::Failure(
            made.failure == FileFailure::Exists ? TransactionStatus::Busy
                                                : TransactionStatus::Unchanged,
            TransactionStep::WorkingFolder, folder_->root, std::move(made));
    }
    // Between our creation and our claim another process may have claimed it.
    if (FileResult claimed = ClaimWorkingFolder(*folder_, lock_); !claimed) {
        record_.remove();
        const bool busy =
            claimed.failure == FileFailure::InUse || claimed.failure == FileFailure::Missing;
        if (!busy) {
            ops_.removeTree(folder_->root);
        }
        return TransactionResult::Failure(
            busy ? TransactionStatus::Busy : TransactionStatus::Unchanged, TransactionStep::Claim,
            folder_->root, std::move(claimed));
    }
    open_ = true;
    for (const std::string& part : {folder_->staged, folder_->aside}) {
        if (FileResult made = ops_.makeFolder(part); !made) {
            abandon();
            return Unchanged(TransactionStep::WorkingFolder, part, std::move(made));
        }
    }
    return {};
}

TransactionResult BuildTransaction::commit() {
    if (!open_) {
        return Unchanged(TransactionStep::Claim, folder_ ? folder_->root : std::string(),
                         FileResult::Failure(FileFailure::Missing, "作成は始まっていません"));
    }
    TransactionResult moved = journalAndMove();
    if (moved.status == TransactionStatus::Unchanged) {
        abandon();
        return moved;
    }
    return settleAfter(moved);
}

// Up to the journal a failure leaves only the working folder to remove (Unchanged);
// after it, the moves are settled by the journal like after a crash.
TransactionResult BuildTransaction::journalAndMove() {
    TransactionResult failure;
    BuildJournal journal;
    journal.newNames = NamesToMoveIn(*folder_, failure);
    if (!failure.ok()) {
        return failure;
    }
    journal.oldNames = ExhibitionNamesIn(folder_->exhibition);
    journal.oldNames.erase(
        std::remove(journal.oldNames.begin(), journal.oldNames.end(), kExhibitionDocumentName),
        journal.oldNames.end());

    if (FileResult flushed = ops_.flushTree(folder_->staged); !flushed) {
        return Unchanged(TransactionStep::Flush, folder_->staged, std::move(flushed));
    }
    if (FileResult written = ops_.writeNewFile(folder_->journal, JournalText(journal)); !written) {
        return Unchanged(TransactionStep::Journal, folder_->journal, std::move(written));
    }
    if (FileResult flushed = ops_.flushFolder(folder_->root); !flushed) {
        return Unchanged(TransactionStep::Flush, folder_->root, std::move(flushed));
    }
    return MoveForward(*folder_, journal, ops_);
}

TransactionResult BuildTransaction::settleAfter(const TransactionResult& moved) {
    open_ = false;
    // Moves that all went through are on the disk already; moves that failed are settled
    // by the journal, as after a crash.
    const RecoveryReport settled = moved.ok() ? RemoveCommitted(*folder_, lock_, ops_)
                                              : SettleWorkingFolder(*folder_, lock_, ops_);
    // The record goes only with the working folder; until then a start of Lumo needs it.
    if (settled.result.ok()) {
        record_.remove();
    }
    record_.release();
    lock_.release();
    if (settled.action == RecoveryAction::RolledForward) {
        return {};
    }
    const bool undone = settled.action == RecoveryAction::RolledBack &&
                        (settled.result.ok() || settled.result.step == TransactionStep::Cleanup);
    const TransactionResult& cause = moved.ok() ? settled.result : moved;
    return TransactionResult::Failure(undone ? TransactionStatus::Unchanged
                                             : TransactionStatus::Pending,
                                      cause.step, cause.path, cause.file);
}

TransactionResult BuildTransaction::abandon() {
    if (!open_) {
        return {};
    }
    open_ = false;
    FileResult removed = RemoveWorkingFolder(*folder_, lock_, ops_);
    if (removed) {
        record_.remove();
    }
    record_.release();
    lock_.release();
    if (!removed) {
        return Unchanged(TransactionStep::Cleanup, folder_->root, std::move(removed));
    }
    return {};
}

} // namespace lumo
