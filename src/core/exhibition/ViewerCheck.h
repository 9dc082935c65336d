#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryProblem.h"
#include "source/SourceSurvey.h"

namespace lumo {

// What one entry's build would show only once the exhibition is open in the viewer, on
// Windows: where its scene document, read as XML, differs from the build's reading, names
// Windows cannot hold or would merge, and data paths that copy the scene's whole folder
// (with how many files and bytes). survey is the build's reading of the entry's document.
ProblemList CheckForTheViewer(const ExhibitionEntry& entry, const SourceSurvey& survey,
                              std::size_t index);

} // namespace lumo
