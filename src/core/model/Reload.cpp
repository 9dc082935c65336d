#include "entry/EntryNumber.h"
#include "model/DropIntake.h"
#include "model/MainDialogModel.h"
#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"

namespace lumo {

namespace {

const char* const kReloadQuestion =
    "以前作成された展示用tsdファイルが入力されました。\n読み込みますか？";
constexpr int kMaxReloadedEntries = 100;

} // namespace

// Rebuilds the list from the numbered entry folders beside a built exhibition.tsd. The
// current entry is the accumulator: a field no folder supplies keeps its earlier value.
bool MainDialogModel::ReloadExhibition(const std::string& path) {
    if (!messages_.ask(kReloadQuestion)) {
        return false;
    }
    browseStartPath_ = path;
    const std::string folder = FolderPart(path);
    entries_.clear();
    for (int i = 0; i < kMaxReloadedEntries; ++i) {
        const std::string candidate = folder + EntryNumber(static_cast<std::size_t>(i));
        if (!PathExists(candidate)) {
            break;
        }
        for (const std::string& listed : ListFolder(candidate + kNativeSeparator + "*")) {
            ClassifyDroppedFile(current_, listed, LowerAscii(ExtensionOf(listed)));
        }
        entries_.push_back(current_);
    }
    selectedIndex_ = 0;
    RefreshEntryList(0);
    arrowKeyPressed_ = true;
    LoadSelectedEntry();
    return true;
}

} // namespace lumo
