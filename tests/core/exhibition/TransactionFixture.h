#pragma once

#include "entry/EntryNumber.h"
#include "exhibition/BuildTransaction.h"
#include "support/FaultyFileOperations.h"
#include "support/TempDir.h"

#include <filesystem>
#include <map>
#include <string>

namespace lumo::test {

// Every file and folder below folder by its relative path: a file's content, or "/" for
// a folder. Equal snapshots mean equal trees, byte for byte.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot TakeSnapshot(const std::string& folder) {
    Snapshot snapshot;
    const std::filesystem::path root = PathFromUtf8(folder);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string relative = Utf8FromPath(entry.path().lexically_relative(root));
        snapshot[relative] = entry.is_directory() ? std::string("/") : ReadFile(entry.path());
    }
    return snapshot;
}

// A chosen folder with an earlier exhibition of oldItems items (none: a new folder), the
// curator's own files beside it, and the sources of a new exhibition elsewhere.
class ExhibitionFolders {
public:
    explicit ExhibitionFolders(int oldItems) {
        for (int i = 0; i < oldItems; ++i) {
            const std::string entry = Native("show/" + EntryNumber(i) + "/");
            WriteFile(temp_ / (entry + "scene.tsd"), "old scene " + std::to_string(i));
            WriteFile(temp_ / (entry + "thumb.jpg"), "old thumb " + std::to_string(i));
            WriteFile(temp_ / Native(entry + "slices/a.dat"), "old slice " + std::to_string(i));
        }
        if (oldItems > 0) {
            WriteFile(temp_ / Native("show/up.jpg"), "old up");
            WriteFile(temp_ / Native("show/down.jpg"), "old down");
            WriteFile(temp_ / Native("show/exhibition.tsd"), "old document");
        }
        WriteFile(temp_ / Native("show/notes.txt"), "the curator's notes");
        WriteFile(temp_ / Native("show/99/keep.txt"), "not an entry folder");
        WriteFile(temp_ / Native("show/drafts/plan.txt"), "a plan");
        for (const char* name : {"thumb.jpg", "a.dat", "up.jpg", "down.jpg", "scene.tsd"}) {
            WriteFile(temp_ / Native(std::string("sources/") + name), std::string("new ") + name);
        }
        WriteFile(temp_ / Native("sources/exhibition.tsd"), "new document");
    }

    std::string show() const { return temp_ / "show"; }
    std::string source(const std::string& name) const { return temp_ / Native("sources/" + name); }

private:
    TempDir temp_;
};

// Stages items entries into staging as a rebuild does: a scene document that the earlier
// exhibition holds is linked from there (copied where linking fails), everything else is
// copied. False at the first step that fails.
inline bool StageExhibition(IFileOperations& ops, const ExhibitionFolders& folders,
                            const std::string& staging, int items) {
    auto copy = [&](const std::string& name, const std::string& target) {
        return ops.copyFile(folders.source(name), staging + Native(target), {}).ok();
    };
    for (int i = 0; i < items; ++i) {
        const std::string entry = EntryNumber(i) + "/";
        const std::string earlier = folders.show() + kSeparator + Native(entry + "scene.tsd");
        const std::string scene = staging + Native(entry + "scene.tsd");
        if (!ops.makeFolder(staging + EntryNumber(i)).ok() ||
            !(KindAt(earlier) == PathKind::File
                  ? ops.linkFile(earlier, scene).ok() || ops.copyFile(earlier, scene, {}).ok()
                  : copy("scene.tsd", entry + "scene.tsd")) ||
            !copy("thumb.jpg", entry + "thumb.jpg") ||
            !ops.makeFolder(staging + Native(entry + "slices")).ok() ||
            !copy("a.dat", entry + "slices/a.dat")) {
            return false;
        }
    }
    return copy("up.jpg", "up.jpg") && copy("down.jpg", "down.jpg") &&
           copy("exhibition.tsd", "exhibition.tsd");
}

// One whole build into the folders' show: begin, stage, commit.
inline TransactionResult BuildInto(IFileOperations& ops, const ExhibitionFolders& folders,
                                   int items, const BuildRecords* records = nullptr) {
    BuildTransaction transaction(ops, records);
    TransactionResult result = transaction.begin(folders.show());
    if (!result.ok()) {
        return result;
    }
    if (!StageExhibition(ops, folders, transaction.stagingFolder(), items)) {
        transaction.abandon();
        return TransactionResult::Failure(TransactionStatus::Unchanged, TransactionStep::Staged, {},
                                          {});
    }
    return transaction.commit();
}

// A build of one item into the folders' show, killed once committed, before it removed
// its working folder: what the next start of Lumo finds through records.
inline void KillAfterCommit(const ExhibitionFolders& folders, const BuildRecords& records) {
    FaultyFileOperations killed;
    killed.crashAt(1, FileStep::RemoveTree);
    BuildInto(killed, folders, 1, &records);
}

// How many builds records lists now.
inline int RecordedBuilds(const std::string& stateFolder) {
    int count = 0;
    std::error_code ec;
    for (const auto& entry :
         std::filesystem::directory_iterator(PathFromUtf8(stateFolder) / "builds", ec)) {
        count += entry.path().extension() == ".build" ? 1 : 0;
    }
    return count;
}

} // namespace lumo::test
