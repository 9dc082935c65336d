#include "FolderDialog.h"

#include "platform/win/ComPointer.h"
#include "platform/win/WidePath.h"

#include <shobjidl.h>

namespace lumo::win {

namespace {

// The picker takes the folder as a shell item; a folder that cannot be parsed leaves the
// picker at its own default.
void OpenAt(IFileOpenDialog& dialog, const std::string& folder) {
    if (folder.empty()) {
        return;
    }
    ComPointer<IShellItem> item;
    if (SUCCEEDED(SHCreateItemFromParsingName(WideFromUtf8(folder).c_str(), nullptr, IID_IShellItem,
                                              reinterpret_cast<void**>(item.out())))) {
        dialog.SetFolder(item.get());
    }
}

std::string ChosenPath(IFileOpenDialog& dialog) {
    ComPointer<IShellItem> item;
    if (FAILED(dialog.GetResult(item.out()))) {
        return {};
    }
    PWSTR path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return {};
    }
    std::string chosen = Utf8FromWide(path);
    CoTaskMemFree(path);
    return chosen;
}

} // namespace

// A cancel, like any failure of the picker, ends the build without a word.
std::string FolderDialog::chooseFolder(const std::string& startPath) {
    ComPointer<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileOpenDialog, reinterpret_cast<void**>(dialog.out())))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
    dialog->SetTitle(WideFromUtf8(kFolderChooserTitle).c_str());
    OpenAt(*dialog.get(), ChooserStartFolder(startPath));
    if (FAILED(dialog->Show(owner_))) {
        return {};
    }
    return ChosenPath(*dialog.get());
}

} // namespace lumo::win
