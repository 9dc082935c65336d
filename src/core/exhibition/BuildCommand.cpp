#include "exhibition/BuildCommand.h"

#include "exhibition/DocumentFile.h"
#include "exhibition/EntryCheck.h"
#include "exhibition/EntryLimits.h"
#include "exhibition/ExhibitionText.h"
#include "exhibition/ProblemText.h"
#include "exhibition/ProgressPacer.h"
#include "exhibition/Staging.h"
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

bool Review(const ProblemList& problems, const BuildServices& services) {
    if (problems.empty()) {
        return true;
    }
    if (services.review) {
        return services.review(problems);
    }
    return services.messages.ask(ProblemQuestion(problems.size()), ProblemLines(problems));
}

// Building into a folder that holds an earlier exhibition would mix the two; nothing is
// written then.
std::string FolderNotEmptyMessage(const std::string& entryFolder) {
    return "エラー　保存先フォルダにすでに展示のフォルダ (" + entryFolder +
           ") があります\n空のフォルダを選んでください";
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
    if (!Review(check.problems, services)) {
        return {BuildStatus::Declined, {}};
    }

    const std::string chosen = services.chooser.chooseFolder(browseStartPath);
    if (chosen.empty()) {
        return {BuildStatus::Cancelled, {}};
    }
    const std::string folder = WithTrailingSeparator(chosen);
    const std::string documentPath = folder + kExhibitionDocumentName;
    if (const std::string taken = FirstExistingEntryFolder(folder, entries.size());
        !taken.empty()) {
        services.messages.show(FolderNotEmptyMessage(taken));
        return {BuildStatus::FolderNotEmpty, {}};
    }

    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].dataPaths = std::move(check.dataPaths[i]);
    }

    EntryList staged;
    BuildOutcome outcome;
    outcome.staging =
        StageEntries(entries, folder, resources, staged, services.messages, services.observer);

    const std::string text = AssembleExhibitionText(staged).text;

    std::string reason;
    if (!WriteExhibitionDocument(documentPath, text, reason)) {
        services.messages.showError(std::string(kNotWritten) + "\n" + documentPath + "\n" + reason);
        outcome.status = BuildStatus::NotWritten;
        return outcome;
    }
    services.messages.showInformation(kWritten);
    outcome.status = BuildStatus::Written;
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
        const BuildServices paced{pacer.messages(), services.chooser,
                                  [&pacer, &services](const StagingStatus& status) {
                                      pacer.Report(status);
                                      if (services.observer) {
                                          services.observer(status);
                                      }
                                  },
                                  services.review};
        return RunBuild(entries, browseStartPath, paced);
    } catch (const std::exception& error) {
        // Ends the command like any other failure it reports, so the caller stays usable.
        services.messages.showError(error.what());
        return {BuildStatus::NotWritten, {}};
    }
}

} // namespace lumo
