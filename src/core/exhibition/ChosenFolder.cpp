#include "exhibition/ChosenFolder.h"

#include "platform/FileSystem.h"

namespace lumo {

namespace {

const char* const kFolderNotMade = "エラー　保存先フォルダを作成できませんでした";

} // namespace

bool MakeChosenFolder(const std::string& folder, IMessageBox& messages) {
    std::string reason;
    if (CreateFolderWithParents(folder, reason)) {
        return true;
    }
    messages.showError(std::string(kFolderNotMade) + "\n" + folder + "\n" + reason);
    return false;
}

} // namespace lumo
