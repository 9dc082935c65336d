#pragma once

#include "platform/FolderChooser.h"

#include <string>

namespace lumo::cli {

// For commands that never build: any folder question is answered as a cancel.
class NoFolderChooser final : public IFolderChooser {
public:
    std::string chooseFolder(const std::string&) override { return {}; }
};

} // namespace lumo::cli
