#pragma once

#include "platform/MessageBox.h"

#include <string>

namespace lumo {

// Makes the exhibition folder the curator chose, with its missing parents: a name typed
// into a folder chooser, or given on the command line, need not exist yet. A folder that
// cannot be made is told once with the system's reason, and false ends the build before
// anything is written.
bool MakeChosenFolder(const std::string& folder, IMessageBox& messages);

} // namespace lumo
