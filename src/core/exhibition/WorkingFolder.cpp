#include "exhibition/WorkingFolder.h"

#include "platform/PathParts.h"

namespace lumo {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    return folder + kNativeSeparator + name;
}

// A holder that removes its lock between our attempts has just finished; a few more
// attempts then find the folder gone or new.
constexpr int kClaimAttempts = 3;

} // namespace

WorkingFolder::WorkingFolder(const std::string& exhibitionFolder)
    : exhibition(WithTrailingSeparator(exhibitionFolder)), root(exhibition + kWorkingFolderName),
      lock(Join(root, "lock")), journal(Join(root, "journal")), staged(Join(root, "new")),
      aside(Join(root, "old")) {}

std::string WorkingFolder::stagedName(const std::string& name) const {
    return Join(staged, name);
}

std::string WorkingFolder::asideName(const std::string& name) const {
    return Join(aside, name);
}

FileResult ClaimWorkingFolder(const WorkingFolder& folder, FileLock& lock) {
    FileResult result;
    for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
        result = lock.create(folder.lock, {});
        if (result.failure != FileFailure::Exists) {
            return result;
        }
        result = lock.acquire(folder.lock);
        if (result.failure != FileFailure::Missing) {
            return result;
        }
    }
    return FileResult::Failure(FileFailure::InUse, result.reason);
}

FileResult RemoveWorkingFolder(const WorkingFolder& folder, FileLock& lock, IFileOperations& ops) {
    FileResult result = ops.removeTree(folder.journal);
    if (result) {
        result = ops.flushFolder(folder.root);
    }
    for (const std::string& part : {folder.staged, folder.aside}) {
        if (result) {
            result = ops.removeTree(part);
        }
    }
    if (!result) {
        return result;
    }
    if (FileResult removed = lock.remove(); !removed) {
        return removed;
    }
    // Whatever else is left: a lock file that a process ending in the middle of creating
    // it left behind.
    result = ops.removeTree(folder.root);
    return result ? ops.flushFolder(folder.exhibition) : result;
}

} // namespace lumo
