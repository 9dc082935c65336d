#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryProblem.h"

#include <string>
#include <vector>

namespace lumo {

// The names one entry's copy would create that cannot travel to Windows, where
// exhibitions are shown whatever system built them: in the entry folder (its three files,
// data files and data folders) and in its data folders (their files), every name Windows
// cannot hold, and in a data folder two files Windows takes for one (letter case aside,
// all of Unicode). Data paths ending in . or .. and those holding a control character
// are left to their own problems.
void CheckTravellingNames(const ExhibitionEntry& entry, const std::vector<std::string>& dataPaths,
                          std::size_t index, ProblemList& problems);

} // namespace lumo
