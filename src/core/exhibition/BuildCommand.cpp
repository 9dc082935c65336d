#include "exhibition/BuildCommand.h"

#include "exhibition/BuildTarget.h"
#include "exhibition/BuildTransaction.h"
#include "exhibition/DocumentFile.h"
#include "exhibition/EntryCheck.h"
#include "exhibition/EntryLimits.h"
#include "exhibition/ExhibitionText.h"
#include "exhibition/ProblemText.h"
#include "exhibition/ProgressPacer.h"
#include "exhibition/Staging.h"
#include "exhibition/TransactionText.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"

#include <exception>

namespace lumo {

namespace {

const char* const kNoEntries = "エラー　tsdファイルが一つも登録されていません";
const char* const kTooManyEntries =
    "エラー　登録されているtsdファイルが99個を超えています。\n登録数は99個以下にしてください";
const char* const kWritten = "展示用tsdファイルを作成しました";
const char* const kNotWritten = "エラー　exhibition.tsd を作成できませんでした";

const char* const kBlocked = "エラー　展示に必要なファイルがありません";
const char* const kReplaceQuestion =
    "選んだフォルダには展示があります。\n新しい内容で置き換えますか？";

bool Review(const ProblemList& problems, const BuildServices& services) {
    if (problems.empty()) {
        return true;
    }
    if (services.review) {
        return services.review(problems);
    }
    return services.messages.ask(ProblemQuestion(problems.size()), ProblemLines(problems));
}

bool ConfirmReplace(const std::string& folder, const BuildServices& services) {
    if (services.confirmReplace) {
        return services.confirmReplace(folder);
    }
    return services.messages.ask(kReplaceQuestion);
}

// Building into a folder that holds entry folders but no exhibition would mix the two;
// nothing is written then.
std::string FolderNotEmptyMessage(const std::string& entryFolder) {
    return "エラー　保存先フォルダにすでに展示のフォルダ (" + entryFolder +
           ") があります\n空のフォルダを選んでください";
}

std::string InputFolderMessage(const std::string& input) {
    return "エラー　保存先フォルダに作成すると、展示の作成元が変わってしまいます\n" + input +
           "\n別のフォルダを選んでください";
}

std::string WrittenMessage(std::size_t problemsLeft) {
    if (problemsLeft == 0) {
        return kWritten;
    }
    return std::string(kWritten) + "\n展示には問題が " + std::to_string(problemsLeft) +
           " 件残っています";
}

// Ends the build before anything is chosen when a problem is one no build can go ahead
// with; the others stay for the review.
bool SplitBlocking(ProblemList& problems, const EntryList& entries, IMessageBox& messages) {
    ProblemList blocking;
    ProblemList rest;
    for (EntryProblem& problem : problems) {
        (IsBlocking(problem, entries) ? blocking : rest).push_back(std::move(problem));
    }
    problems = std::move(rest);
    if (blocking.empty()) {
        return false;
    }
    messages.showError(std::string(kBlocked) + "\n" + ProblemLines(blocking));
    return true;
}

// Shows what a failed step of the transaction left and ends the build.
BuildOutcome Failed(const TransactionResult& result, const std::string& folder,
                    IMessageBox& messages, BuildOutcome outcome = {}) {
    messages.showError(TransactionFailureText(result, folder));
    outcome.status =
        result.status == TransactionStatus::Busy ? BuildStatus::Busy : BuildStatus::NotWritten;
    return outcome;
}

// A message box that shows nothing: staging's own messages become part of the one
// message that reports its failure.
class HeldMessages final : public IMessageBox {
public:
    void tell(MessageKind, const std::string&) override {}
    bool question(const std::string&, const std::string&) override { return false; }
};

// Stages and commits into the folder that transaction has begun in.
BuildOutcome StageAndCommit(BuildTransaction& transaction, EntryList& entries,
                            const std::vector<EntryPlan>& plans, const std::string& resources,
                            bool replacing, const BuildServices& services, IFileOperations& ops) {
    const std::string folder = WithTrailingSeparator(transaction.exhibitionFolder());
    const std::string staging = transaction.stagingFolder();
    EntryList staged;
    HeldMessages held;
    BuildOutcome outcome;
    StagingOptions options{&ops, replacing ? folder : std::string(), &plans,
                           services.stopRequested};
    outcome.staging =
        StageEntries(entries, staging, resources, staged, held, services.observer, options);
    if (!outcome.staging.clean()) {
        transaction.abandon();
        services.messages.showError(StagingFailureText(outcome.staging, staging, folder));
        outcome.status = BuildStatus::NotWritten;
        return outcome;
    }

    const std::string text = AssembleExhibitionText(staged).text;
    const std::string stagedDocument = staging + kExhibitionDocumentName;
    if (FileResult written = ops.writeNewFile(stagedDocument, EncodeDocument(text)); !written) {
        transaction.abandon();
        services.messages.showError(std::string(kNotWritten) + "\n" + folder +
                                    kExhibitionDocumentName + "\n" + written.reason + "\n" +
                                    "保存先フォルダは変更されていません");
        outcome.status = BuildStatus::NotWritten;
        return outcome;
    }
    if (const TransactionResult committed = transaction.commit(); !committed.ok()) {
        return Failed(committed, folder, services.messages, outcome);
    }
    outcome.status = BuildStatus::Written;
    return outcome;
}

BuildOutcome RunBuild(EntryList& entries, const std::string& browseStartPath,
                      const BuildServices& services) {
    if (entries.empty()) {
        services.messages.show(kNoEntries);
        return {BuildStatus::NoEntries, {}};
    }
    if (entries.size() > kMaxEntries) {
        services.messages.show(kTooManyEntries);
        return {BuildStatus::TooManyEntries, {}};
    }

    const std::string resources = ResourceFolder();
    EntryCheck check = CheckEntries(entries, resources);
    if (SplitBlocking(check.problems, entries, services.messages)) {
        return {BuildStatus::Blocked, {}};
    }
    if (!Review(check.problems, services)) {
        return {BuildStatus::Declined, {}};
    }

    const std::string chosen = services.chooser.chooseFolder(browseStartPath);
    if (chosen.empty()) {
        return {BuildStatus::Cancelled, {}};
    }
    const std::string folder = WithTrailingSeparator(chosen);

    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].dataPaths = std::move(check.dataPaths[i]);
    }
    std::vector<EntryPlan> plans;
    for (const ExhibitionEntry& entry : entries) {
        plans.push_back(PlanEntry(entry, entry.dataPaths));
    }
    if (const std::string input = InputFolderConflict(folder, entries, plans); !input.empty()) {
        services.messages.showError(InputFolderMessage(input));
        return {BuildStatus::InputFolder, {}};
    }

    SystemFileOperations system;
    IFileOperations& ops = services.ops != nullptr ? *services.ops : system;
    BuildTransaction transaction(ops, services.records);
    // Settles what an interrupted build left before the folder is looked at.
    if (const TransactionResult begun = transaction.begin(chosen); !begun.ok()) {
        return Failed(begun, folder, services.messages);
    }
    if (const std::string recovered = RecoveryText(transaction.recovery()); !recovered.empty()) {
        services.messages.show(recovered);
    }

    const bool replacing = IsRegularFile(folder + kExhibitionDocumentName);
    if (replacing) {
        if (!ConfirmReplace(folder, services)) {
            transaction.abandon();
            return {BuildStatus::Kept, {}};
        }
    } else if (const std::string taken = FirstExistingEntryFolder(folder, entries.size());
               !taken.empty()) {
        transaction.abandon();
        services.messages.show(FolderNotEmptyMessage(taken));
        return {BuildStatus::FolderNotEmpty, {}};
    }

    BuildOutcome outcome =
        StageAndCommit(transaction, entries, plans, resources, replacing, services, ops);
    if (outcome.status == BuildStatus::Written) {
        outcome.problemsLeft = check.problems.size();
        services.messages.showInformation(WrittenMessage(outcome.problemsLeft));
    }
    return outcome;
}

} // namespace

BuildOutcome BuildExhibition(EntryList& entries, const std::string& browseStartPath,
                             const BuildServices& services) {
    try {
        if (services.progress == nullptr) {
            return RunBuild(entries, browseStartPath, services);
        }
        ProgressPacer pacer(*services.progress, services.messages);
        const BuildServices paced{pacer.messages(),
                                  services.chooser,
                                  [&pacer, &services](const StagingStatus& status) {
                                      pacer.Report(status);
                                      if (services.observer) {
                                          services.observer(status);
                                      }
                                  },
                                  services.review,
                                  nullptr,
                                  services.confirmReplace,
                                  services.ops,
                                  services.records,
                                  services.stopRequested};
        return RunBuild(entries, browseStartPath, paced);
    } catch (const std::exception& error) {
        // Ends the command like any other failure it reports, so the caller stays usable.
        services.messages.showError(error.what());
        return {BuildStatus::NotWritten, {}};
    }
}

} // namespace lumo
