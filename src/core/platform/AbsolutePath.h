#pragma once

#include <string>

namespace lumo {

// The path made absolute against the current folder and tidied ("." and ".." resolved
// lexically, links left alone); an absolute path is only tidied. Empty stays empty.
std::string AbsolutePath(const std::string& path);

} // namespace lumo
