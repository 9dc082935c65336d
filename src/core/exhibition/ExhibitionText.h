#pragma once

#include "entry/ExhibitionEntry.h"

#include <string>
#include <vector>

namespace lumo {

// The whole exhibition document for the staged entries, with bare line feeds. Empties
// topGroupNames and refills it with one name per entry.
std::string AssembleExhibitionText(const EntryList& staged,
                                   std::vector<std::string>& topGroupNames);

// The navigation part that ends the body: navigation, goto events, menu pages and
// description groups, each after an empty line.
void AppendNavigationPart(std::string& text, std::size_t n,
                          const std::vector<std::string>& topGroupNames);

} // namespace lumo
