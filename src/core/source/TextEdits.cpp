#include "source/TextEdits.h"

namespace lumo {

void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement) {
    if (search.empty()) {
        return;
    }
    std::size_t hit = text.find(search);
    if (hit == std::string::npos) {
        return;
    }
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    while (hit != std::string::npos) {
        result.append(text, from, hit - from);
        result.append(replacement);
        from = hit + search.size();
        hit = text.find(search, from);
    }
    result.append(text, from);
    text.swap(result);
}

std::string AttributeValue(std::string_view element, std::string_view attribute) {
    std::string value = ExtractSpan(element, attribute, "\"");
    ReplaceAll(value, attribute, "");
    ReplaceAll(value, "\"", "");
    return value;
}

std::string JoinLines(const LineList& lines, std::string_view terminator) {
    std::size_t total = 0;
    for (const std::string& line : lines) {
        total += line.size() + terminator.size();
    }
    std::string joined;
    joined.reserve(total);
    for (const std::string& line : lines) {
        joined += line;
        joined += terminator;
    }
    return joined;
}

} // namespace lumo
