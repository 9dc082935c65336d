#include "source/DrawGroupRewriter.h"

#include "entry/EntryNumber.h"
#include "source/ElementCutter.h"
#include "source/SourceElements.h"
#include "source/SourceReader.h"
#include "source/TextEdits.h"

namespace lumo {

namespace {

constexpr std::string_view kTopGroupMarker = "Sur";

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
    const std::string childGroup = "><childGroup name=\"ex" + nn + "\" />";

    // One top group per entry: the first group named with the marker, else the first group.
    std::string firstName;
    std::string topName;
    bool topFound = false;

    std::string groupItems;
    ElementCutter groups(dataElements.TakeRemaining(), kDrawGroupStart, kDrawGroupEnd);
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        std::string group = groups.CutNext();
        if (group.empty()) {
            break;
        }
        const std::string tag = ExtractSpan(group, kDrawGroupStart, ">");
        std::string newTag = tag;
        ReplaceAll(newTag, ">", childGroup);
        ReplaceAll(group, tag, newTag);
        ReplaceAll(group, "caption=\"ボリュームレンダリング\" ", "");
        ReplaceAll(group, "caption=\"サーフェイスレンダリング\" ", "");
        group += '\n';

        const std::string name = AttributeValue(group, kNameAttribute);
        if (i == 0) {
            firstName = nn + "_" + name;
        }
        if (!topFound && name.find(kTopGroupMarker) != std::string::npos) {
            topName = nn + "_" + name;
            topFound = true;
        }

        for (const std::string_view attribute : kReferences) {
            ReplaceAll(group, attribute, std::string(attribute) + nn + "_");
        }
        groupItems += group;
    }
    text += groupItems;
    topGroupNames.push_back(topFound ? topName : firstName);
}

} // namespace lumo
