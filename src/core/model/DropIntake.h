#pragma once

#include "entry/ExhibitionEntry.h"

#include <string>

namespace lumo {

// Puts path into the entry's field chosen by its lower-cased extension: a scene document
// into documentPath, an image into descriptionPath when taller than wide and otherwise
// into thumbnailPath. An image whose size cannot be read, a folder (whatever its name) and
// any other file change nothing.
void ClassifyDroppedFile(ExhibitionEntry& entry, const std::string& path,
                         const std::string& lowerExtension);

} // namespace lumo
