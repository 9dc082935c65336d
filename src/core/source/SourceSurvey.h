#pragma once

#include "source/DataCollector.h"
#include "source/SourceElements.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

// How many distinct elements of one kind a reading of the build finds, and the name of
// the first one past the limit, which it drops.
struct ElementTally {
    std::size_t count = 0;
    std::string firstDropped;

    bool overLimit() const { return count > static_cast<std::size_t>(kMaxElementsPerKind); }
};

// What a build takes from one scene document and what it would drop, found in one
// reading; the build takes its data paths from here instead of reading it again.
struct SourceSurvey {
    bool readable = false;
    // The document decoded as the build decodes it, its lines joined with line feeds.
    std::string text;
    DataReferences data;
    // Data elements as the data paths are collected (lines joined without separators)
    // and as they are written into the exhibition (joined with line feeds): elements
    // that differ only by a line break are one in the first reading, two in the second.
    ElementTally collectedData;
    ElementTally writtenData;
    ElementTally drawGroups;
    // Per draw group written, the name the exhibition declares it under before its
    // prefix; empty for a group whose start tag the prefixing does not recognise.
    std::vector<std::string> drawGroupNames;
    // Groups whose name holds the top group marker, and the group the entry's top group
    // will be (its name as the document writes it).
    std::size_t markedGroupCount = 0;
    std::string topGroup;
};

// index is the entry's number, which the draw groups are read under.
SourceSurvey SurveySource(const std::string& documentPath, std::size_t index);

} // namespace lumo
