#pragma once

#include "platform/FolderChooser.h"

#include <windows.h>

#include <string>

namespace lumo::win {

// The exhibition folder through the system's folder picker, over the dialog that owns it.
class FolderDialog final : public IFolderChooser {
public:
    void setOwner(HWND owner) { owner_ = owner; }

    std::string chooseFolder(const std::string& startPath) override;

private:
    HWND owner_ = nullptr;
};

} // namespace lumo::win
