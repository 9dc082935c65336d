#include "exhibition/Staging.h"

#include "entry/EntryNumber.h"
#include "exhibition/BuildInputs.h"
#include "exhibition/BuildSize.h"
#include "exhibition/EntryPlan.h"
#include "exhibition/ExhibitionNames.h"
#include "exhibition/SafeTarget.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/PagingImages.h"
#include "platform/PathParts.h"

#include <set>

namespace lumo {

namespace {

const std::string kFolderCreationFailed = "フォルダ作成に失敗しました";
const std::string kFileCreationFailed = "作成に失敗しました";
const std::string kFolderFileCopyFailed = "フォルダ内のデータコピーに失敗しました";
const std::string kCopyFailed = "のコピーに失敗しました";

const std::string kNotInside = "保存先フォルダの外には作成しません";
const std::string kInputTarget = "作成元のファイルには書き込みません";
const std::string kStopped = "作成は中断されました";

// True when source lies in one of the own names of the exhibition in folder.
bool InOwnNames(const std::string& source, const std::string& folder) {
    if (folder.empty() || source.size() <= folder.size() ||
        source.compare(0, folder.size(), folder) != 0) {
        return false;
    }
    const std::string rest = source.substr(folder.size());
    std::size_t end = 0;
    while (end < rest.size() && !IsFolderSeparator(rest[end])) {
        ++end;
    }
    return IsExhibitionName(rest.substr(0, end));
}

// Copies (or links) and reports progress; the running total spans the whole build.
class Stager {
public:
    Stager(IMessageBox& messages, const StagingObserver& observer, std::size_t itemCount,
           std::uint64_t totalBytes, std::set<FileIdentity> inputs, const StagingOptions& options)
        : messages_(messages), observer_(observer), itemCount_(itemCount), totalBytes_(totalBytes),
          inputs_(std::move(inputs)), ops_(options.ops != nullptr ? *options.ops : system_),
          replaced_(options.replacedFolder.empty() ? std::string()
                                                   : WithTrailingSeparator(options.replacedFolder)),
          stopRequested_(options.stopRequested) {}

    IFileOperations& ops() { return ops_; }

    void setItem(std::size_t item) { item_ = item; }

    // Shows message and records where it happened; the detail of the last failed step
    // goes with it.
    void fail(const std::string& message, StagingStep step, std::size_t dataPath = 0) {
        messages_.show(message);
        const bool pagingImage = step == StagingStep::UpImage || step == StagingStep::DownImage;
        result_.failures.push_back(StagingFailure{step, pagingImage ? 0 : item_, dataPath});
        last_.message = message;
        result_.details.push_back(last_);
    }

    // Records a step that failed with its source, target and reason.
    bool failed(const std::string& source, const std::string& target, std::string reason) {
        last_ = StagingDetail{{}, source, target, std::move(reason)};
        return false;
    }

    StagingResult result() const { return result_; }

    // Makes the folder at target; false when it could not.
    bool makeFolder(const std::string& target) {
        if (stopped()) {
            return failed({}, target, kStopped);
        }
        if (FileResult made = ops_.makeFolder(target); !made) {
            return failed({}, target, made.reason);
        }
        return true;
    }

    // Copies source to target when target lies strictly inside folder and is none of
    // the build's inputs; false (nothing written) otherwise or when the copy fails.
    bool copy(const std::string& source, const std::string& target, const std::string& folder) {
        if (!IsSafeTarget(target, folder, source)) {
            return failed(source, target, kNotInside);
        }
        if (isInput(target)) {
            return failed(source, target, kInputTarget);
        }
        if (stopped()) {
            return failed(source, target, kStopped);
        }
        report(source, 0);
        if (linking_ && InOwnNames(source, replaced_)) {
            const FileResult linked = ops_.linkFile(source, target);
            if (linked) {
                total_ += FileSize(source);
                return true;
            }
            // Where the file system has no links, no later file will link either.
            linking_ = linked.failure != FileFailure::NoLinks;
        }
        std::uint64_t fileBytes = 0;
        const FileResult copied = ops_.copyFile(source, target, [&](std::uint64_t bytes) {
            fileBytes = bytes;
            report(source, bytes);
        });
        total_ += fileBytes;
        return copied ? true : failed(source, target, copied.reason);
    }

    // The copies of a data path taking the folder steps. A copy that fails is shown once
    // for the path; the others are still made. A file that was unreadable when planned
    // was reported then and is left out when it still cannot be read.
    void copyFolderFiles(const DataPathPlan& plan, const std::string& entryFolder,
                         std::size_t dataPath) {
        bool failedOnce = false;
        for (const DataCopy& file : plan.copies) {
            const std::string target = entryFolder + file.target;
            if (!copy(file.source, target, FolderPart(target)) && file.readable && !failedOnce) {
                fail(kFolderFileCopyFailed, StagingStep::DataFolderFile, dataPath);
                failedOnce = true;
            }
        }
    }

private:
    bool stopped() const { return stopRequested_ && stopRequested_(); }

    bool isInput(const std::string& target) const {
        const std::optional<FileIdentity> identity = IdentityOf(target);
        return identity && inputs_.count(*identity) > 0;
    }

    void report(const std::string& file, std::uint64_t fileBytes) {
        if (observer_) {
            observer_(StagingStatus{item_, itemCount_, file, total_ + fileBytes, totalBytes_});
        }
    }

    IMessageBox& messages_;
    const StagingObserver& observer_;
    std::size_t itemCount_;
    std::uint64_t totalBytes_;
    std::size_t item_ = 0;
    std::uint64_t total_ = 0;
    std::set<FileIdentity> inputs_;
    SystemFileOperations system_;
    IFileOperations& ops_;
    std::string replaced_;
    std::function<bool()> stopRequested_;
    bool linking_ = true;
    StagingDetail last_;
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

// Stages data path k as planned; false when a failure ended staging.
bool StageDataPath(Stager& stager, const DataPathPlan& data, const std::string& source,
                   const std::string& entryFolder, std::size_t k) {
    const std::string failure =
        data.name + (data.folderStep ? kFolderCreationFailed : kFileCreationFailed);
    if (data.refused) {
        // What was already missing or unreadable was reported by the check and is left
        // out; a name that cannot be made ends staging.
        if (data.kind == DataPathKind::Missing || data.kind == DataPathKind::Unreadable ||
            data.kind == DataPathKind::Special) {
            return true;
        }
        stager.failed(source, entryFolder + data.name, kNotInside);
        stager.fail(failure, StagingStep::DataPath, k);
        return false;
    }
    if (data.placement == Placement::Skipped) {
        return true;
    }
    if (!data.folderStep) {
        for (const DataCopy& file : data.copies) {
            if (!stager.copy(file.source, entryFolder + file.target, entryFolder) &&
                file.readable) {
                stager.fail(failure, StagingStep::DataPath, k);
                return false;
            }
        }
        return true;
    }
    const std::string target = entryFolder + data.name;
    if (!IsSafeTarget(target, entryFolder, source)) {
        stager.failed(source, target, kNotInside);
        stager.fail(failure, StagingStep::DataPath, k);
        return false;
    }
    if (data.placement == Placement::Own && !stager.makeFolder(target)) {
        stager.fail(failure, StagingStep::DataPath, k);
        return false;
    }
    stager.copyFolderFiles(data, entryFolder, k);
    return true;
}

// Stages one entry into its entry folder; false when a failure ended staging.
bool StageEntry(Stager& stager, const ExhibitionEntry& entry, const EntryPlan& plan,
                const std::string& entryFolder, ExhibitionEntry& staged) {
    for (const FileStep& step : kFileSteps) {
        const std::string& source = entry.*step.field;
        const std::string target = entryFolder + FileNamePart(source);
        staged.*step.field = target;
        if (!stager.copy(source, target, entryFolder)) {
            stager.fail(step.failure, step.step);
            return false;
        }
    }
    for (std::size_t k = 0; k < plan.dataPaths.size(); ++k) {
        staged.dataPaths[k] = entryFolder + plan.dataPaths[k].name;
        if (!StageDataPath(stager, plan.dataPaths[k], entry.dataPaths[k], entryFolder, k)) {
            return false;
        }
    }
    return true;
}

} // namespace

StagingResult StageEntries(const EntryList& entries, const std::string& exhibitionFolder,
                           const std::string& resourceFolder, EntryList& staged,
                           IMessageBox& messages, const StagingObserver& observer,
                           const StagingOptions& options) {
    staged = entries;
    const std::string folder = WithTrailingSeparator(exhibitionFolder);
    // Every data path is planned before the first write, so what the build copies is what
    // the sources held when it began, never what it has written itself.
    std::vector<EntryPlan> plans;
    if (options.plans != nullptr) {
        plans = *options.plans;
    } else {
        for (const ExhibitionEntry& entry : entries) {
            plans.push_back(PlanEntry(entry, entry.dataPaths));
        }
    }
    Stager stager(messages, observer, entries.size(), PlannedBytes(entries, plans, resourceFolder),
                  InputIdentities(entries, plans), options);

    for (std::size_t i = 0; i < entries.size(); ++i) {
        stager.setItem(i);
        const std::string number = EntryNumber(i);
        const std::string entryFolder = folder + number + kNativeSeparator;
        if (!stager.makeFolder(entryFolder)) {
            stager.fail(number + kNativeSeparator + kFolderCreationFailed,
                        StagingStep::EntryFolder);
            return stager.result();
        }
        if (!StageEntry(stager, entries[i], plans[i], entryFolder, staged[i])) {
            return stager.result();
        }
    }

    const std::pair<const char*, StagingStep> pagingImages[] = {
        {kUpImage, StagingStep::UpImage}, {kDownImage, StagingStep::DownImage}};
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
