#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryPlan.h"
#include "exhibition/EntryProblem.h"

#include <string>
#include <vector>

namespace lumo {

// True for the problems no build can go ahead with: an entry's scene document, thumbnail
// or description missing or unreadable, or a paging image missing.
bool IsBlocking(const EntryProblem& problem, const EntryList& entries);

// Why building entries into folder would replace or change one of the build's inputs:
// the folder's exhibition.tsd is one of them, or the folder is or lies inside a folder the
// build copies from (a data folder, an entry folder of the exhibition being reloaded).
// Empty when nothing would.
std::string InputFolderConflict(const std::string& folder, const EntryList& entries,
                                const std::vector<EntryPlan>& plans);

} // namespace lumo
