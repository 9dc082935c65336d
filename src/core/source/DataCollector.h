#pragma once

#include <string>
#include <vector>

namespace lumo {

// The data files and folders a scene document names, as absolute paths in document
// order: its folder joined with each data element's path value (at most 100).
std::vector<std::string> CollectDataPaths(const std::string& documentPath);

} // namespace lumo
