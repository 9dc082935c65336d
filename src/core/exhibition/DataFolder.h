#pragma once

#include <string>
#include <vector>

namespace lumo {

// The files the data folder steps copy for a data path that is not a file: everything in
// the folder it names, or, for any other path, the entries beside it whose names begin
// with its last component. Folders among them are left out.
std::vector<std::string> DataFolderFiles(const std::string& path);

} // namespace lumo
