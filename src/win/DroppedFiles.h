#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lumo::win {

// The full paths of a shell drop, in the order the shell lists them, as UTF-8. Releases
// the drop handle.
std::vector<std::string> TakeDroppedFiles(HDROP drop);

} // namespace lumo::win
