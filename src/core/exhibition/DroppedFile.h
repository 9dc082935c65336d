#pragma once

#include "entry/ExhibitionEntry.h"

#include <optional>
#include <string>

namespace lumo {

// Puts path into the entry's field chosen by its lower-cased extension: a scene document
// into documentPath, an image into descriptionPath when taller than wide and otherwise
// into thumbnailPath. Gives the field filled; an image whose size cannot be read, a folder
// (whatever its name) and any other file change nothing.
std::optional<EntryField> ClassifyDroppedFile(ExhibitionEntry& entry, const std::string& path);

// A dropped file named exactly exhibition.tsd (letter case counts) is a built exhibition
// to load rather than a file of an item.
bool IsBuiltExhibition(const std::string& path);

} // namespace lumo
