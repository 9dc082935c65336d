#pragma once

#include <string>
#include <vector>

namespace lumo {

// The names an exhibition owns in its folder: the entry folders 00 to 98, up.jpg,
// down.jpg and exhibition.tsd. A build replaces these and touches nothing else.
bool IsExhibitionName(const std::string& name);

// The exhibition names that something answers to in folder, in the order above. Each is
// looked up by the file system, so that one letting case aside finds UP.JPG as up.jpg.
std::vector<std::string> ExhibitionNamesIn(const std::string& folder);

} // namespace lumo
