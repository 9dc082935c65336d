#pragma once

#include <string>
#include <string_view>

namespace lumo::cli {

// Text for a message or the progress line. Control characters (U+0000–U+001F, U+007F–U+009F)
// and bytes that are not valid UTF-8 become \xHH per byte, so that a name taken from a scene
// document or a folder listing cannot drive the terminal. Line feeds stay when keepLineFeeds
// is set (the line breaks of a message); backslashes always stay.
std::string TerminalText(std::string_view text, bool keepLineFeeds);

// A name on a one-line-per-item output: tab, line feed and carriage return become \x09, \x0A
// and \x0D, every other byte stays, so that scripts split the lines and fields safely and get
// the exact name back.
std::string ListField(std::string_view name);

} // namespace lumo::cli
