#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumo {

using LineList = std::vector<std::string>;

// The first span of text from start through the first end found after it, both markers
// included; empty when either marker is missing.
std::string ExtractSpan(std::string_view text, std::string_view start, std::string_view end);

// Appends the lines of a scene document, decoded to UTF-8: as UTF-8 when its first line
// that mentions "encoding" declares utf-8 or UTF-8, else in the legacy code page. A
// document that cannot be opened or read gives no lines and false.
bool ReadSourceLines(const std::string& path, LineList& lines);

} // namespace lumo
