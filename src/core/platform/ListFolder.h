#pragma once

#include <string>
#include <vector>

namespace lumo {

// Full paths of everything matching pattern (a folder part and a wildcard name in which
// '*' stands for any run of characters), "." and ".." included, sorted by UTF-16 code
// units; empty when nothing matches.
std::vector<std::string> ListFolder(const std::string& pattern);

} // namespace lumo
