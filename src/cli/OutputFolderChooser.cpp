#include "cli/OutputFolderChooser.h"

#include "platform/FileSystem.h"

namespace lumo::cli {

namespace {

const char* const kFolderNotCreated = "エラー　保存先フォルダを作成できませんでした";

} // namespace

std::string OutputFolderChooser::chooseFolder(const std::string&) {
    if (!CreateFolderWithParents(folder_)) {
        messages_.showError(std::string(kFolderNotCreated) + "\n" + folder_);
        return {};
    }
    return folder_;
}

} // namespace lumo::cli
