#pragma once

#include "platform/FolderChooser.h"
#include "platform/MessageBox.h"

#include <string>

namespace lumo::cli {

// Answers the build's folder question with the folder named on the command line,
// creating it with its parents first. A folder that cannot be created is reported and
// answered as a cancel, so the build ends without writing anything.
class OutputFolderChooser final : public IFolderChooser {
public:
    OutputFolderChooser(std::string folder, IMessageBox& messages)
        : folder_(std::move(folder)), messages_(messages) {}

    std::string chooseFolder(const std::string& startPath) override;

private:
    std::string folder_;
    IMessageBox& messages_;
};

} // namespace lumo::cli
