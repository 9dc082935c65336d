#pragma once

#include "model/ExhibitionEntry.h"

#include <string>
#include <vector>

namespace lumo {

// The whole exhibition document for the staged entries, with bare line feeds. Empties
// topGroupNames and refills it with one name per entry.
std::string AssembleExhibitionText(const EntryList& staged,
                                   std::vector<std::string>& topGroupNames);

} // namespace lumo
