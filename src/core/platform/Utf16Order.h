#pragma once

#include <string>
#include <string_view>

namespace lumo {

// The UTF-16 code units of a UTF-8 text, for the ordinal UTF-16 order of names:
// characters above U+FFFF become surrogate pairs and so sort before U+E000 to U+FFFF,
// unlike in UTF-8 byte order. A byte that is not part of valid UTF-8
// becomes the unit 0xDC00 + byte, so every name keeps a distinct, stable key.
std::u16string Utf16Units(std::string_view utf8);

} // namespace lumo
