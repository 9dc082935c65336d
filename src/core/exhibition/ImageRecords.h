#pragma once

#include "entry/ExhibitionEntry.h"

#include <string>

namespace lumo {

// One image data line per call, naming the copy in entry folder NN and its pixel size.
void AppendThumbnailRecord(std::string& text, const ExhibitionEntry& item, int index);
void AppendDescriptionRecord(std::string& text, const ExhibitionEntry& item, int index);

} // namespace lumo
