#pragma once

#include <string_view>

namespace lumo {

// The markers and limit shared by data collection and draw group rewriting.
inline constexpr std::string_view kDataStart = "<data";
inline constexpr std::string_view kDataEnd = "</data>";
inline constexpr std::string_view kDrawGroupStart = "<drawGroup";
inline constexpr std::string_view kDrawGroupEnd = "</drawGroup>";
inline constexpr std::string_view kPathAttribute = "path=\"";
inline constexpr std::string_view kNameAttribute = "name=\"";
inline constexpr int kMaxElementsPerKind = 100;

} // namespace lumo
