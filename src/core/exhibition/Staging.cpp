#include "exhibition/Staging.h"

#include "entry/EntryNumber.h"
#include "exhibition/BuildInputs.h"
#include "exhibition/DataFolder.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "platform/PathText.h"

#include <set>

namespace lumo {

namespace {

const std::string kFolderCreationFailed = "フォルダ作成に失敗しました";
const std::string kFileCreationFailed = "作成に失敗しました";
const std::string kFolderFileCopyFailed = "フォルダ内のデータコピーに失敗しました";
const std::string kCopyFailed = "のコピーに失敗しました";

// Normal form ("a/./b/../c/" gives "a/c"), trailing separators dropped, as the system
// reads the path: Windows also drops the dots and spaces that end a name (".. " is "..").
std::string NormalForm(const std::string& path) {
    std::string normal = LexicallyNormal(AbsolutePath(path));
    while (normal.size() > 1 && IsFolderSeparator(normal.back())) {
        normal.pop_back();
    }
    return normal;
}

// Every write is checked with this: a target built from a data path such as "..", ".",
// "/" or "" would otherwise name the folder itself or reach out of it, and a device name
// (NUL on Windows) would write to the device.
bool IsSafeTarget(const std::string& target, const std::string& folder, const std::string& source) {
    const std::string normalTarget = NormalForm(target);
    const std::string inside = WithTrailingSeparator(NormalForm(folder));
    return normalTarget.size() > inside.size() &&
           normalTarget.compare(0, inside.size(), inside) == 0 &&
           normalTarget != NormalForm(source) && !IsDeviceName(FileNamePart(normalTarget));
}

// Copies and reports progress; the running total spans the whole build.
class Stager {
public:
    Stager(IMessageBox& messages, const StagingObserver& observer, const EntryList& entries)
        : messages_(messages), observer_(observer), itemCount_(entries.size()),
          inputs_(InputIdentities(entries)) {}

    void setItem(std::size_t item) { item_ = item; }

    // Shows message and records where it happened.
    void fail(const std::string& message, StagingStep step, std::size_t dataPath = 0) {
        messages_.show(message);
        const bool pagingImage = step == StagingStep::UpImage || step == StagingStep::DownImage;
        result_.failures.push_back(StagingFailure{step, pagingImage ? 0 : item_, dataPath});
    }

    StagingResult result() const { return result_; }

    // Copies source to target when target lies strictly inside folder and is none of
    // the build's inputs; false (nothing written) otherwise or when the copy fails.
    bool copy(const std::string& source, const std::string& target, const std::string& folder) {
        if (!IsSafeTarget(target, folder, source) || isInput(target)) {
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

    // The files of a source that names a folder are copied into the folder target; those
    // matched by any other source as a prefix are copied to target followed directly by
    // their names.
    void copyFolderFiles(const std::string& source, const std::string& target,
                         std::size_t dataPath) {
        const std::string targetPrefix = IsFolder(source) ? WithTrailingSeparator(target) : target;
        const std::string targetFolder = FolderPart(targetPrefix);
        for (const std::string& path : DataFolderFiles(source)) {
            if (!copy(path, targetPrefix + FileNamePart(path), targetFolder)) {
                fail(kFolderFileCopyFailed, StagingStep::DataFolderFile, dataPath);
                return;
            }
        }
    }

private:
    bool isInput(const std::string& target) const {
        const std::optional<FileIdentity> identity = IdentityOf(target);
        return identity && inputs_.count(*identity) > 0;
    }

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
    std::set<FileIdentity> inputs_;
    StagingResult result_;
};

struct FileStep {
    std::string ExhibitionEntry::*field;
    StagingStep step;
    const char* failure;
};

const FileStep kFileSteps[] = {
    {&ExhibitionEntry::documentPath, StagingStep::Document, "tsdファイルのコピーに失敗しました"},
    {&ExhibitionEntry::thumbnailPath, StagingStep::Thumbnail, "サムネイルのコピーに失敗しました"},
    {&ExhibitionEntry::descriptionPath, StagingStep::Description, "説明文のコピーに失敗しました"},
};

// Stages one entry into its entry folder; false when a failure ended staging.
bool StageEntry(Stager& stager, const ExhibitionEntry& entry, const std::string& entryFolder,
                ExhibitionEntry& staged) {
    for (const FileStep& step : kFileSteps) {
        const std::string& source = entry.*step.field;
        const std::string target = entryFolder + FileNamePart(source);
        staged.*step.field = target;
        if (!stager.copy(source, target, entryFolder)) {
            stager.fail(step.failure, step.step);
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
        // A NUL ends the name the system opens while the text after it names the copy.
        const bool usable = !HasControlCharacter(source);

        if (!ExtensionOf(source).empty() || (usable && IsRegularFile(source))) {
            if (!usable || !stager.copy(source, target, entryFolder)) {
                stager.fail(name + kFileCreationFailed, StagingStep::DataPath, k);
                return false;
            }
            continue;
        }

        const std::string key = NormalForm(target);
        const bool created = createdFolders.count(key) > 0;
        if (!usable || !IsSafeTarget(target, entryFolder, source) ||
            (!created && !CreateFolder(target))) {
            stager.fail(name + kFolderCreationFailed, StagingStep::DataPath, k);
            return false;
        }
        createdFolders.insert(key);
        stager.copyFolderFiles(source, target, k);
    }
    return true;
}

} // namespace

StagingResult StageEntries(const EntryList& entries, const std::string& exhibitionFolder,
                           const std::string& resourceFolder, EntryList& staged,
                           IMessageBox& messages, const StagingObserver& observer) {
    staged = entries;
    const std::string folder = WithTrailingSeparator(exhibitionFolder);
    Stager stager(messages, observer, entries);

    for (std::size_t i = 0; i < entries.size(); ++i) {
        stager.setItem(i);
        const std::string number = EntryNumber(i);
        const std::string entryFolder = folder + number + kNativeSeparator;
        if (!CreateFolder(entryFolder)) {
            stager.fail(number + kNativeSeparator + kFolderCreationFailed,
                        StagingStep::EntryFolder);
            return stager.result();
        }
        if (!StageEntry(stager, entries[i], entryFolder, staged[i])) {
            return stager.result();
        }
    }

    const std::pair<const char*, StagingStep> pagingImages[] = {
        {"up.jpg", StagingStep::UpImage}, {"down.jpg", StagingStep::DownImage}};
    for (const auto& [name, step] : pagingImages) {
        const std::string source = WithTrailingSeparator(resourceFolder) + name;
        if (!stager.copy(source, folder + name, folder)) {
            stager.fail(name + kCopyFailed, step);
            break;
        }
    }
    return stager.result();
}

} // namespace lumo
