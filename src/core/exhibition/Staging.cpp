#include "exhibition/Staging.h"

#include "entry/EntryNumber.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"
#include "platform/PathText.h"

#include <set>

namespace lumo {

namespace {

const std::string kFolderCreationFailed = "フォルダ作成に失敗しました";
const std::string kFileCreationFailed = "作成に失敗しました";
const std::string kFolderFileCopyFailed = "フォルダ内のデータコピーに失敗しました";
const std::string kCopyFailed = "のコピーに失敗しました";

bool IsPathSeparator(char c) {
    return c == '/' || c == kNativeSeparator;
}

std::string WithSeparator(std::string path) {
    if (path.empty() || !IsPathSeparator(path.back())) {
        path += kNativeSeparator;
    }
    return path;
}

// Normal form ("a/./b/../c/" gives "a/c"), trailing separators dropped, as the system
// reads the path: Windows also drops the dots and spaces that end a name (".. " is "..").
std::string NormalForm(const std::string& path) {
    std::string normal = LexicallyNormal(AbsolutePath(path));
    while (normal.size() > 1 && IsPathSeparator(normal.back())) {
        normal.pop_back();
    }
    return normal;
}

// Every write is checked with this: a target built from a data path such as "..", ".",
// "/" or "" would otherwise name the folder itself or reach out of it, and a device name
// (NUL on Windows) would write to the device.
bool IsSafeTarget(const std::string& target, const std::string& folder, const std::string& source) {
    const std::string normalTarget = NormalForm(target);
    const std::string inside = WithSeparator(NormalForm(folder));
    return normalTarget.size() > inside.size() &&
           normalTarget.compare(0, inside.size(), inside) == 0 &&
           normalTarget != NormalForm(source) && !IsDeviceName(FileNamePart(normalTarget));
}

// Copies and reports progress; the running total spans the whole build.
class Stager {
public:
    Stager(IMessageBox& messages, const StagingObserver& observer, std::size_t itemCount)
        : messages_(messages), observer_(observer), itemCount_(itemCount) {}

    void setItem(std::size_t item) { item_ = item; }
    void fail(const std::string& message) { messages_.show(message); }

    // Copies source to target when target lies strictly inside folder and is not the
    // source; false (nothing written) otherwise or when the copy fails.
    bool copy(const std::string& source, const std::string& target, const std::string& folder) {
        if (!IsSafeTarget(target, folder, source)) {
            return false;
        }
        report(source, 0);
        std::uint64_t fileBytes = 0;
        const bool copied = CopyFileReplacing(source, target, [&](std::uint64_t bytes) {
            fileBytes = bytes;
            report(source, bytes);
        });
        total_ += fileBytes;
        return copied;
    }

    // A source that names a folder has its contents listed and copied into the folder
    // target. Any other source is listed as a prefix (source followed by '*') and each
    // match is copied to target followed directly by its name.
    void copyFolderFiles(const std::string& source, const std::string& target) {
        const bool isFolder = IsFolder(source);
        const std::string pattern = (isFolder ? WithSeparator(source) : source) + "*";
        const std::string targetPrefix = isFolder ? WithSeparator(target) : target;
        const std::string targetFolder = FolderPart(targetPrefix);
        for (const std::string& path : ListFolder(pattern)) {
            if (IsFolder(path)) {
                continue;
            }
            if (!copy(path, targetPrefix + FileNamePart(path), targetFolder)) {
                fail(kFolderFileCopyFailed);
                return;
            }
        }
    }

private:
    void report(const std::string& file, std::uint64_t fileBytes) {
        if (observer_) {
            observer_(StagingStatus{item_, itemCount_, file, total_ + fileBytes});
        }
    }

    IMessageBox& messages_;
    const StagingObserver& observer_;
    std::size_t itemCount_;
    std::size_t item_ = 0;
    std::uint64_t total_ = 0;
};

struct FileStep {
    std::string ExhibitionEntry::*field;
    const char* failure;
};

const FileStep kFileSteps[] = {
    {&ExhibitionEntry::documentPath, "tsdファイルのコピーに失敗しました"},
    {&ExhibitionEntry::thumbnailPath, "サムネイルのコピーに失敗しました"},
    {&ExhibitionEntry::descriptionPath, "説明文のコピーに失敗しました"},
};

// Stages one entry into its entry folder; false when a failure ended staging.
bool StageEntry(Stager& stager, const ExhibitionEntry& entry, const std::string& entryFolder,
                ExhibitionEntry& staged) {
    for (const FileStep& step : kFileSteps) {
        const std::string& source = entry.*step.field;
        const std::string target = entryFolder + FileNamePart(source);
        staged.*step.field = target;
        if (!stager.copy(source, target, entryFolder)) {
            stager.fail(step.failure);
            return false;
        }
    }

    // Folders this entry's data paths created: naming one again copies into it again.
    std::set<std::string> createdFolders;
    for (std::size_t k = 0; k < entry.dataPaths.size(); ++k) {
        const std::string& source = entry.dataPaths[k];
        const std::string name = FileNamePart(source);
        const std::string target = entryFolder + name;
        staged.dataPaths[k] = target;

        if (!ExtensionOf(source).empty() || IsRegularFile(source)) {
            if (!stager.copy(source, target, entryFolder)) {
                stager.fail(name + kFileCreationFailed);
                return false;
            }
            continue;
        }

        const std::string key = NormalForm(target);
        const bool created = createdFolders.count(key) > 0;
        if (!IsSafeTarget(target, entryFolder, source) || (!created && !CreateFolder(target))) {
            stager.fail(name + kFolderCreationFailed);
            return false;
        }
        createdFolders.insert(key);
        stager.copyFolderFiles(source, target);
    }
    return true;
}

} // namespace

void StageEntries(const EntryList& entries, const std::string& exhibitionFolder, EntryList& staged,
                  IMessageBox& messages, const StagingObserver& observer) {
    StageEntries(entries, exhibitionFolder, ResourceFolder(), staged, messages, observer);
}

void StageEntries(const EntryList& entries, const std::string& exhibitionFolder,
                  const std::string& resourceFolder, EntryList& staged, IMessageBox& messages,
                  const StagingObserver& observer) {
    staged = entries;
    const std::string folder = WithSeparator(exhibitionFolder);
    Stager stager(messages, observer, entries.size());

    for (std::size_t i = 0; i < entries.size(); ++i) {
        stager.setItem(i);
        const std::string number = EntryNumber(i);
        const std::string entryFolder = folder + number + kNativeSeparator;
        if (!CreateFolder(entryFolder)) {
            stager.fail(number + kNativeSeparator + kFolderCreationFailed);
            return;
        }
        if (!StageEntry(stager, entries[i], entryFolder, staged[i])) {
            return;
        }
    }

    for (const std::string name : {"up.jpg", "down.jpg"}) {
        if (!stager.copy(WithSeparator(resourceFolder) + name, folder + name, folder)) {
            stager.fail(name + kCopyFailed);
            return;
        }
    }
}

} // namespace lumo
