#pragma once

#include <string>

namespace lumo {

// Asks the curator for the exhibition folder. Returns the chosen folder, or an empty text
// when the curator cancels.
class IFolderChooser {
public:
    virtual ~IFolderChooser() = default;
    virtual std::string chooseFolder(const std::string& startPath) = 0;
};

// The title of every front-end's folder chooser.
inline constexpr const char* kFolderChooserTitle = "保存先フォルダを選択してください";

// Where a folder chooser opens for a start path: the path itself, or the folder holding it
// when it names a file (the last dropped scene document).
std::string ChooserStartFolder(const std::string& startPath);

} // namespace lumo
