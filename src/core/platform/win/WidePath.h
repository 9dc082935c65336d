#pragma once

#include <string>
#include <string_view>

namespace lumo {

// UTF-8 to UTF-16 and back at the edge of every Windows call.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The path as every file call gets it: made absolute and normalised, then in the \\?\ form
// (\\?\UNC\server\share\... for network paths) that lifts the 260-character limit on
// every Windows. Device paths (\\.\...) and paths already in that form stay as they are.
std::wstring LongPath(std::string_view utf8);

// A path from the system in the form users know: \\?\C:\x gives C:\x and
// \\?\UNC\server\share gives \\server\share.
std::string UserPath(std::wstring_view wide);

} // namespace lumo
