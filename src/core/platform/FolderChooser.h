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

} // namespace lumo
