#pragma once

#include <cstddef>
#include <string_view>

namespace lumo {

// One step of UTF-8 decoding.
struct Utf8Sequence {
    // Bytes taken: the whole sequence when valid, otherwise its maximal ill-formed
    // subpart (at least one byte), which a lossy decoder replaces as one.
    std::size_t length = 0;
    bool valid = false;
    char32_t codePoint = 0; // when valid
};

// Decodes the sequence at text[i] (i < text.size()). Overlongs, surrogates, code points
// above U+10FFFF and truncated sequences are not valid.
Utf8Sequence DecodeUtf8At(std::string_view text, std::size_t i);

} // namespace lumo
