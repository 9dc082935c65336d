#pragma once

#include "source/SourceReader.h"

#include <string>
#include <string_view>

namespace lumo {

// Replaces every occurrence of search in text, scanning left to right; the replacement
// is not searched again. Nothing happens for an empty search text.
void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement);

// Every line followed by terminator, in order.
std::string JoinLines(const LineList& lines, std::string_view terminator);

} // namespace lumo
