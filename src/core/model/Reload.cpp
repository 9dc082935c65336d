#include "model/MainDialogModel.h"

#include "exhibition/BuiltExhibition.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"

namespace lumo {

namespace {

const char* const kReloadQuestion =
    "以前作成された展示用tsdファイルが入力されました。\n読み込みますか？";
const char* const kFolderListingNote =
    "\n展示用tsdファイルに画像の記録がないため、番号付きフォルダの中身から読み込みます。";

} // namespace

// The exhibition is read before the question so that the question can say when its
// items come from the folder listing. Afterwards the first entry is selected and shown,
// whatever the mouse does.
bool MainDialogModel::ReloadExhibition(const std::string& path) {
    BuiltExhibition built = ReadBuiltExhibition(path);
    const std::string question =
        std::string(kReloadQuestion) + (built.fromFolderListing ? kFolderListingNote : "");
    if (!messages_.ask(question)) {
        return false;
    }
    exhibition_.Load(std::move(built.entries));
    selectedIndex_ = 0;
    RefreshEntryList(0);
    arrowKeyPressed_ = true;
    LoadSelectedEntry();
    NoteExhibition({ExhibitionOrigin::Reloaded, FolderPart(AbsolutePath(path))});
    return true;
}

} // namespace lumo
