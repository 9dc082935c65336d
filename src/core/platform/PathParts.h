#pragma once

#include <string>

namespace lumo {

// '/' on POSIX, '\\' on Windows.
extern const char kNativeSeparator;

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

// A character that ends a path component: '/' on POSIX; '\\', '/' and ':' on Windows.
bool IsSeparator(char c);

// True when the path holds a C0 control character. A data path taken from a scene
// document that holds one is never opened or written.
bool HasControlCharacter(const std::string& path);

// path with a separator appended unless it already ends with one.
std::string WithTrailingSeparator(std::string path);

// A character between folders: '/' on POSIX; '\\' and '/' on Windows.
bool IsFolderSeparator(char c);

// True when a file of this name would open a device instead (CON, NUL.txt, COM1 on
// Windows, whatever the letter case); trailing separators are ignored. Never on POSIX.
bool IsDeviceName(const std::string& name);

// The path without the separators that end it (a lone root separator stays).
std::string WithoutTrailingSeparators(std::string path);

// The last part of a path, trailing separators left out.
std::string LastName(const std::string& path);

} // namespace lumo
