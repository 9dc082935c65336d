#pragma once

#include "exhibition/EntryProblem.h"
#include "source/SourceSurvey.h"

#include <string>

namespace lumo {

// Compares what the build's own reading of a scene document takes (data paths, draw
// groups, the top group) with what an XML parser reads, and adds every difference to
// problems with its line: a document that is not well-formed, data paths the build
// misses or reads from where the XML reading sees none, draw groups likewise.
void CrossCheckWithXml(const SourceSurvey& survey, const std::string& documentPath,
                       std::size_t entry, ProblemList& problems);

} // namespace lumo
