#include "cli/OutputFolderChooser.h"

#include "exhibition/ChosenFolder.h"

namespace lumo::cli {

std::string OutputFolderChooser::chooseFolder(const std::string&) {
    return MakeChosenFolder(folder_, messages_) ? folder_ : std::string();
}

} // namespace lumo::cli
