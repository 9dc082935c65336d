#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumo {

// The one crossing between UTF-8 text and std::filesystem::path. A path built from a
// plain std::string is read in the system's narrow code page on Windows, which garbles
// every non-ASCII name; through char8_t it is UTF-8 on every system.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// "a/./b/../c" gives "a/c", with the native separator; no file system access.
std::string LexicallyNormal(const std::string& path);

} // namespace lumo
