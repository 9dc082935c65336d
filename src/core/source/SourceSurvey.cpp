#include "source/SourceSurvey.h"

#include "entry/EntryNumber.h"
#include "source/ElementCutter.h"
#include "source/SourceReader.h"
#include "source/TextEdits.h"
#include "source/TopGroup.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace lumo {

namespace {

constexpr std::string_view kDeclaredGroupName = "drawGroup name=\"";

// The distinct spans from a start marker through the next end marker, scanning left to
// right: what a cutter yields as long as no removal joins text into a new span. Linear,
// where cutting every element would not be.
std::size_t CountDistinctSpans(std::string_view text, std::string_view start,
                               std::string_view end) {
    std::unordered_set<std::string_view> seen;
    for (std::size_t s = text.find(start); s != std::string_view::npos;) {
        const std::size_t e = text.find(end, s + start.size());
        if (e == std::string_view::npos) {
            break;
        }
        seen.insert(text.substr(s, e + end.size() - s));
        s = text.find(start, e + end.size());
    }
    return seen.size();
}

// cutter has yielded taken elements; past the limit, the first one dropped and how many
// there are in all.
ElementTally TallyPastLimit(ElementCutter& cutter, std::size_t taken, std::string_view start,
                            std::string_view end) {
    ElementTally tally{taken, {}};
    if (taken < static_cast<std::size_t>(kMaxElementsPerKind)) {
        return tally;
    }
    const std::string dropped = cutter.CutNext();
    if (!dropped.empty()) {
        tally.firstDropped = AttributeValue(dropped, kNameAttribute);
        tally.count = taken + 1 + CountDistinctSpans(cutter.TakeRemaining(), start, end);
    }
    return tally;
}

} // namespace

SourceSurvey SurveySource(const std::string& documentPath, std::size_t index) {
    SourceSurvey survey;
    {
        LineList lines;
        survey.readable = ReadSourceLines(documentPath, lines);
        survey.text = JoinLines(lines, "\n");
    }
    // Lines hold no line feed, so dropping them gives the join without separators that
    // data collection reads.
    std::string unseparated = survey.text;
    unseparated.erase(std::remove(unseparated.begin(), unseparated.end(), '\n'), unseparated.end());
    ElementCutter collected(std::move(unseparated), kDataStart, kDataEnd);
    survey.data = CollectDataReferences(collected, documentPath);
    survey.collectedData =
        TallyPastLimit(collected, survey.data.paths.size(), kDataStart, kDataEnd);
    survey.data.overLimit = survey.collectedData.overLimit();

    // The draw groups are read from what is left once the data elements are out, as the
    // rewriting does.
    constexpr std::size_t kLimit = kMaxElementsPerKind;
    ElementCutter dataElements(survey.text, kDataStart, kDataEnd);
    std::size_t writtenCount = 0;
    while (writtenCount < kLimit && !dataElements.CutNext().empty()) {
        ++writtenCount;
    }
    std::string rest = dataElements.TakeRemaining();
    survey.writtenData.count = writtenCount;
    if (writtenCount == kLimit && rest.find(kDataStart) != std::string::npos) {
        ElementCutter more(rest, kDataStart, kDataEnd);
        survey.writtenData = TallyPastLimit(more, writtenCount, kDataStart, kDataEnd);
    }

    const std::string nn = EntryNumber(index);
    TopGroupChoice topGroup;
    ElementCutter groups(std::move(rest), kDrawGroupStart, kDrawGroupEnd);
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        const std::string group = groups.CutNext();
        if (group.empty()) {
            break;
        }
        const std::string rewritten = WithDescriptionGroup(group, nn);
        topGroup.Consider(AttributeValue(rewritten, kNameAttribute));
        survey.drawGroupNames.push_back(AttributeValue(rewritten, kDeclaredGroupName));
    }
    survey.drawGroups =
        TallyPastLimit(groups, topGroup.groupCount(), kDrawGroupStart, kDrawGroupEnd);
    survey.markedGroupCount = topGroup.markedCount();
    survey.topGroup = topGroup.chosen();
    return survey;
}

} // namespace lumo
