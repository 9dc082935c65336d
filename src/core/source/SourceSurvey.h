#pragma once

#include "source/DataCollector.h"

#include <cstddef>
#include <string>

namespace lumo {

// What a build takes from one scene document and what it would drop, found in one
// reading; the build takes its data paths from here instead of reading it again.
struct SourceSurvey {
    bool readable = false;
    DataReferences data;
    // Draw groups after the 100th would be left out.
    bool drawGroupsOverLimit = false;
    // Groups whose name holds the top group marker, and the group the entry's top group
    // will be (its name as the document writes it).
    std::size_t markedGroupCount = 0;
    std::string topGroup;
};

// index is the entry's number, which the draw groups are read under.
SourceSurvey SurveySource(const std::string& documentPath, std::size_t index);

} // namespace lumo
