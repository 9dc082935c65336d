#pragma once

#include "entry/ExhibitionEntry.h"

#include <string>
#include <vector>

namespace lumo {

// Appends the staged scene document's data elements and draw groups, renamed under the
// entry prefix NN, to the exhibition text, and appends exactly one top group name for
// the entry (empty when the document has no draw group).
void AppendEntryFragments(std::string& text, const ExhibitionEntry& staged, int index,
                          std::vector<std::string>& topGroupNames);

} // namespace lumo
