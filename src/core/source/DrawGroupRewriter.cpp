#include "source/DrawGroupRewriter.h"

#include "entry/EntryNumber.h"
#include "source/ElementCutter.h"
#include "source/SourceElements.h"
#include "source/SourceReader.h"
#include "source/TextEdits.h"
#include "source/TopGroup.h"

namespace lumo {

namespace {

// Appends every data element, prefixed, to text.
void AppendDataElements(std::string& text, ElementCutter& elements, const std::string& nn) {
    const std::string namePrefix = std::string(kNameAttribute) + nn + "_";
    const std::string pathPrefix = std::string(kPathAttribute) + nn + "\\";
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        std::string item = elements.CutNext();
        if (item.empty()) {
            break;
        }
        item += '\n';
        ReplaceAll(item, kNameAttribute, namePrefix);
        ReplaceAll(item, kPathAttribute, pathPrefix);
        text += item;
    }
}

} // namespace

void AppendEntryFragments(std::string& text, const ExhibitionEntry& staged, int index,
                          std::vector<std::string>& topGroupNames) {
    const std::string nn = EntryNumber(static_cast<std::size_t>(index));

    std::string joined;
    {
        LineList lines;
        ReadSourceLines(staged.documentPath, lines);
        joined = JoinLines(lines, "\n");
    }

    ElementCutter dataElements(std::move(joined), kDataStart, kDataEnd);
    AppendDataElements(text, dataElements, nn);

    // Attributes whose values name data elements or draw groups, in the order they are
    // prefixed.
    static constexpr std::string_view kReferences[] = {
        "friendGroup=\"", "coordinate_data=\"", "index_data=\"",
        "volume_data=\"", "clipCap_data=\"",    "drawGroup name=\"",
    };

    TopGroupChoice topGroup;
    std::string groupItems;
    ElementCutter groups(dataElements.TakeRemaining(), kDrawGroupStart, kDrawGroupEnd);
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        std::string group = groups.CutNext();
        if (group.empty()) {
            break;
        }
        group = WithDescriptionGroup(std::move(group), nn);
        group += '\n';
        topGroup.Consider(AttributeValue(group, kNameAttribute));
        for (const std::string_view attribute : kReferences) {
            ReplaceAll(group, attribute, std::string(attribute) + nn + "_");
        }
        groupItems += group;
    }
    text += groupItems;
    topGroupNames.push_back(topGroup.groupCount() == 0 ? std::string()
                                                       : nn + "_" + topGroup.chosen());
}

} // namespace lumo
