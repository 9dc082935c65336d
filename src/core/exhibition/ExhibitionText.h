#pragma once

#include "entry/ExhibitionEntry.h"

#include <string>
#include <vector>

namespace lumo {

struct AssembledExhibition {
    std::string text;
    // One per entry: the draw group each entry's scene starts with.
    std::vector<std::string> topGroupNames;
};

// The whole exhibition document for the staged entries, with bare line feeds, and the top
// group names it used.
AssembledExhibition AssembleExhibitionText(const EntryList& staged);

// The navigation part that ends the body: navigation, goto events, menu pages and
// description groups, each after an empty line.
void AppendNavigationPart(std::string& text, std::size_t n,
                          const std::vector<std::string>& topGroupNames);

} // namespace lumo
