#include "source/SourceSurvey.h"

#include "entry/EntryNumber.h"
#include "source/ElementCutter.h"
#include "source/SourceElements.h"
#include "source/SourceReader.h"
#include "source/TextEdits.h"
#include "source/TopGroup.h"

#include <algorithm>

namespace lumo {

SourceSurvey SurveySource(const std::string& documentPath, std::size_t index) {
    SourceSurvey survey;
    std::string joined;
    {
        LineList lines;
        survey.readable = ReadSourceLines(documentPath, lines);
        joined = JoinLines(lines, "\n");
    }
    // Lines hold no line feed, so dropping them gives the join without separators that
    // data collection reads.
    std::string unseparated = joined;
    unseparated.erase(std::remove(unseparated.begin(), unseparated.end(), '\n'), unseparated.end());
    survey.data = CollectDataReferences(std::move(unseparated), documentPath);

    // The draw groups are read from what is left once the data elements are out, as the
    // rewriting does.
    ElementCutter dataElements(std::move(joined), kDataStart, kDataEnd);
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        if (dataElements.CutNext().empty()) {
            break;
        }
    }
    const std::string nn = EntryNumber(index);
    TopGroupChoice topGroup;
    ElementCutter groups(dataElements.TakeRemaining(), kDrawGroupStart, kDrawGroupEnd);
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        const std::string group = groups.CutNext();
        if (group.empty()) {
            break;
        }
        topGroup.Consider(AttributeValue(WithDescriptionGroup(group, nn), kNameAttribute));
    }
    survey.drawGroupsOverLimit =
        topGroup.groupCount() == static_cast<std::size_t>(kMaxElementsPerKind) &&
        !groups.CutNext().empty();
    survey.markedGroupCount = topGroup.markedCount();
    survey.topGroup = topGroup.chosen();
    return survey;
}

} // namespace lumo
