#include "exhibition/CommitMoves.h"

#include "exhibition/DocumentFile.h"

namespace lumo {

namespace {

bool Exists(const std::string& path) {
    return KindAt(path) != PathKind::Missing;
}

bool IsDocument(const std::string& name) {
    return name == kExhibitionDocumentName;
}

TransactionResult Failed(TransactionStep step, const std::string& path, FileResult file) {
    return TransactionResult::Failure(TransactionStatus::Pending, step, path, std::move(file));
}

// Flushes the folders whose names the moves changed, so that the moves are on the disk
// before the next step counts on them.
TransactionResult FlushFolders(const WorkingFolder& folder, IFileOperations& ops) {
    for (const std::string& path : {folder.exhibition, folder.aside, folder.staged}) {
        if (FileResult flushed = ops.flushFolder(path); !flushed) {
            return Failed(TransactionStep::Flush, path, std::move(flushed));
        }
    }
    return {};
}

} // namespace

bool IsCommitted(const WorkingFolder& folder) {
    return !Exists(folder.stagedName(kExhibitionDocumentName));
}

TransactionResult MoveForward(const WorkingFolder& folder, const BuildJournal& journal,
                              IFileOperations& ops) {
    // An earlier name still in the chosen folder with no copy aside is still the earlier
    // one: its new version only moves in after it has left.
    for (const std::string& name : journal.oldNames) {
        if (!IsDocument(name) && Exists(folder.current(name)) && !Exists(folder.asideName(name))) {
            if (FileResult moved = ops.move(folder.current(name), folder.asideName(name)); !moved) {
                return Failed(TransactionStep::MoveAside, folder.current(name), std::move(moved));
            }
        }
    }
    for (const std::string& name : journal.newNames) {
        if (!IsDocument(name) && Exists(folder.stagedName(name))) {
            if (FileResult moved = ops.move(folder.stagedName(name), folder.current(name));
                !moved) {
                return Failed(TransactionStep::MoveIn, folder.current(name), std::move(moved));
            }
        }
    }
    if (TransactionResult flushed = FlushFolders(folder, ops); !flushed.ok()) {
        return flushed;
    }
    const std::string document = folder.current(kExhibitionDocumentName);
    if (!IsCommitted(folder)) {
        if (FileResult replaced =
                ops.replaceFile(folder.stagedName(kExhibitionDocumentName), document);
            !replaced) {
            return Failed(TransactionStep::Replace, document, std::move(replaced));
        }
    }
    if (FileResult flushed = ops.flushFolder(folder.exhibition); !flushed) {
        return Failed(TransactionStep::Flush, folder.exhibition, std::move(flushed));
    }
    return {};
}

TransactionResult MoveBack(const WorkingFolder& folder, const BuildJournal& journal,
                           IFileOperations& ops) {
    // A new name missing among the staged ones has reached the chosen folder.
    for (auto name = journal.newNames.rbegin(); name != journal.newNames.rend(); ++name) {
        if (!IsDocument(*name) && !Exists(folder.stagedName(*name)) &&
            Exists(folder.current(*name))) {
            if (FileResult moved = ops.move(folder.current(*name), folder.stagedName(*name));
                !moved) {
                return Failed(TransactionStep::MoveBack, folder.current(*name), std::move(moved));
            }
        }
    }
    for (const std::string& name : journal.oldNames) {
        if (Exists(folder.asideName(name))) {
            if (FileResult moved = ops.move(folder.asideName(name), folder.current(name)); !moved) {
                return Failed(TransactionStep::MoveBack, folder.current(name), std::move(moved));
            }
        }
    }
    return FlushFolders(folder, ops);
}

} // namespace lumo
