#pragma once

#include <string>

namespace lumo {

#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// Last component of a path: the text after the last separator that is followed by a
// character other than a separator, so "a/slices/" gives "slices/". A path without such
// a separator is its own file-name part.
std::string FileNamePart(const std::string& path);

// From the last '.' to the end, dot included; empty when a separator or a space follows
// that dot, or when the path has no dot.
std::string ExtensionOf(const std::string& path);

// Everything up to and including the last separator; empty when there is none.
std::string FolderPart(const std::string& path);

// Letters A-Z become a-z; every other byte stays as it is.
std::string LowerAscii(std::string text);

// A character that separates folders in a path.
bool IsFolderSeparator(char c);

// path with a separator appended unless it already ends with one.
std::string WithTrailingSeparator(std::string path);

} // namespace lumo
