#pragma once

#include "source/SourceReader.h"

#include <string>
#include <string_view>

namespace lumo {

// Replaces every occurrence of search in text, scanning left to right; the replacement
// is not searched again. Nothing happens for an empty search text.
void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement);

// The value of the first attribute (its text up to and including the opening quote, as
// in path=") in element: the span up to the next quote with every copy of the attribute
// text and every quote removed; empty when element holds no such attribute.
std::string AttributeValue(std::string_view element, std::string_view attribute);

// Every line followed by terminator, in order.
std::string JoinLines(const LineList& lines, std::string_view terminator);

} // namespace lumo
