#include "exhibition/BuildCommand.h"

#include "exhibition/DocumentFile.h"
#include "exhibition/ExhibitionText.h"
#include "exhibition/Staging.h"
#include "platform/PathParts.h"
#include "source/DataCollector.h"

namespace lumo {

namespace {

const char* const kNoEntries = "エラー　tsdファイルが一つも登録されていません";
const char* const kTooManyEntries =
    "エラー　登録されているtsdファイルが99個を超えています。\n登録数は99個以下にしてください";
const char* const kWritten = "展示用tsdファイルを作成しました";
const char* const kNotWritten = "エラー　exhibition.tsd を作成できませんでした";

} // namespace

BuildOutcome BuildExhibition(EntryList& entries, const std::string& browseStartPath,
                             std::vector<std::string>& topGroupNames,
                             const BuildServices& services) {
    if (entries.empty()) {
        services.messages.show(kNoEntries);
        return {BuildStatus::NoEntries, {}};
    }
    if (entries.size() > kMaxEntries) {
        services.messages.show(kTooManyEntries);
        return {BuildStatus::TooManyEntries, {}};
    }

    const std::string chosen = services.chooser.chooseFolder(browseStartPath);
    if (chosen.empty()) {
        return {BuildStatus::Cancelled, {}};
    }
    const std::string folder = WithTrailingSeparator(chosen);
    const std::string documentPath = folder + kExhibitionDocumentName;

    for (ExhibitionEntry& entry : entries) {
        entry.dataPaths = CollectDataPaths(entry.documentPath);
    }

    EntryList staged;
    BuildOutcome outcome;
    outcome.staging = StageEntries(entries, folder, staged, services.messages, services.observer);

    const std::string text = AssembleExhibitionText(staged, topGroupNames);

    std::string reason;
    if (!WriteExhibitionDocument(documentPath, text, reason)) {
        services.messages.showError(std::string(kNotWritten) + "\n" + documentPath + "\n" + reason);
        outcome.status = BuildStatus::NotWritten;
        return outcome;
    }
    services.messages.show(kWritten);
    outcome.status = BuildStatus::Written;
    return outcome;
}

} // namespace lumo
