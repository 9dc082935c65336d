#pragma once

#include <string>

namespace lumo {

// The exhibition document's name, beside the entry folders; compared case-sensitively.
inline constexpr char kExhibitionDocumentName[] = "exhibition.tsd";

// The bytes of a document on disk: a UTF-8 byte order mark, then the text with every
// line feed written as CR LF.
std::string EncodeDocument(const std::string& text);

// Writes the encoded text to path in one go, replacing an earlier file only once the new
// one is complete. On failure the earlier file is untouched and reason says why.
bool WriteExhibitionDocument(const std::string& path, const std::string& text, std::string& reason);

} // namespace lumo
