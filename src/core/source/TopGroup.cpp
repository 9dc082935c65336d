#include "source/TopGroup.h"

#include "source/SourceElements.h"
#include "source/SourceReader.h"
#include "source/TextEdits.h"

#include <string_view>

namespace lumo {

namespace {

constexpr std::string_view kTopGroupMarker = "Sur";

} // namespace

std::string WithDescriptionGroup(std::string group, const std::string& nn) {
    const std::string tag = ExtractSpan(group, kDrawGroupStart, ">");
    std::string newTag = tag;
    ReplaceAll(newTag, ">", "><childGroup name=\"ex" + nn + "\" />");
    ReplaceAll(group, tag, newTag);
    ReplaceAll(group, "caption=\"ボリュームレンダリング\" ", "");
    ReplaceAll(group, "caption=\"サーフェイスレンダリング\" ", "");
    return group;
}

void TopGroupChoice::Consider(const std::string& name) {
    if (groupCount_++ == 0) {
        first_ = name;
    }
    if (name.find(kTopGroupMarker) != std::string::npos && markedCount_++ == 0) {
        firstMarked_ = name;
    }
}

} // namespace lumo
