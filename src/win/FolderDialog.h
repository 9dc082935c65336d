#pragma once

#include "platform/FolderChooser.h"

#include <windows.h>

#include <string>

namespace lumo {

// The exhibition folder through the system's folder picker, over the dialog that owns it.
class WinFolderChooser final : public IFolderChooser {
public:
    void setOwner(HWND owner) { owner_ = owner; }

    std::string chooseFolder(const std::string& startPath) override;

private:
    HWND owner_ = nullptr;
};

// Where the picker opens: the start path itself, or the folder holding it when it names a
// file (the last dropped scene document).
std::string PickerStartFolder(const std::string& startPath);

} // namespace lumo
