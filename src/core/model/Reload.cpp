#include "model/MainDialogModel.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"

namespace lumo {

namespace {

const char* const kReloadQuestion =
    "以前作成された展示用tsdファイルが入力されました。\n読み込みますか？";

} // namespace

// The current entry seeds the reading: a field no entry folder supplies keeps its value.
// Afterwards the first entry is selected and shown, whatever the mouse does.
bool MainDialogModel::ReloadExhibition(const std::string& path) {
    if (!messages_.ask(kReloadQuestion)) {
        return false;
    }
    exhibition_.Load(path, current_);
    selectedIndex_ = 0;
    RefreshEntryList(0);
    arrowKeyPressed_ = true;
    LoadSelectedEntry();
    NoteExhibition({ExhibitionOrigin::Reloaded, FolderPart(AbsolutePath(path))});
    return true;
}

} // namespace lumo
