#include "exhibition/Staging.h"

#include "entry/EntryNumber.h"
#include "exhibition/BuildInputs.h"
#include "exhibition/BuildSize.h"
#include "exhibition/EntryPlan.h"
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

// Copies and reports progress; the running total spans the whole build.
class Stager {
public:
    Stager(IMessageBox& messages, const StagingObserver& observer, std::size_t itemCount,
           std::uint64_t totalBytes, std::set<FileIdentity> inputs)
        : messages_(messages), observer_(observer), itemCount_(itemCount), totalBytes_(totalBytes),
          inputs_(std::move(inputs)) {}

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

    // The copies of a data path taking the folder steps. A copy that fails is shown once
    // for the path; the others are still made.
    void copyFolderFiles(const DataPathPlan& plan, const std::string& entryFolder,
                         std::size_t dataPath) {
        bool failed = false;
        for (const DataCopy& file : plan.copies) {
            const std::string target = entryFolder + file.target;
            if (!copy(file.source, target, FolderPart(target)) && !failed) {
                fail(kFolderFileCopyFailed, StagingStep::DataFolderFile, dataPath);
                failed = true;
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
        stager.fail(failure, StagingStep::DataPath, k);
        return false;
    }
    if (data.placement == Placement::Skipped) {
        return true;
    }
    if (!data.folderStep) {
        for (const DataCopy& file : data.copies) {
            if (!stager.copy(file.source, entryFolder + file.target, entryFolder)) {
                stager.fail(failure, StagingStep::DataPath, k);
                return false;
            }
        }
        return true;
    }
    const std::string target = entryFolder + data.name;
    if (!IsSafeTarget(target, entryFolder, source) ||
        (data.placement == Placement::Own && !CreateFolder(target))) {
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
                           IMessageBox& messages, const StagingObserver& observer) {
    staged = entries;
    const std::string folder = WithTrailingSeparator(exhibitionFolder);
    // Every data path is planned before the first write, so what the build copies is what
    // the sources held when it began, never what it has written itself.
    std::vector<EntryPlan> plans;
    for (const ExhibitionEntry& entry : entries) {
        plans.push_back(PlanEntry(entry, entry.dataPaths));
    }
    Stager stager(messages, observer, entries.size(), PlannedBytes(entries, plans, resourceFolder),
                  InputIdentities(entries, plans));

    for (std::size_t i = 0; i < entries.size(); ++i) {
        stager.setItem(i);
        const std::string number = EntryNumber(i);
        const std::string entryFolder = folder + number + kNativeSeparator;
        if (!CreateFolder(entryFolder)) {
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
