#pragma once

#include "entry/ExhibitionEntry.h"

#include <string>

namespace lumo {

// The items of a built exhibition, as far as it tells them.
struct BuiltExhibition {
    EntryList entries;
    // True when exhibition.tsd held no image record and the entry folders' files were
    // classified instead, so the items may differ from those that were built.
    bool fromFolderListing = false;
};

// Reads the built exhibition whose exhibition.tsd is at documentPath. Its image records
// give the number of entries and each entry's thumbnail and description; an entry's scene
// document is the scene document of its entry folder that none of its data elements
// names. Without image records, every file of each numbered entry folder up to the first
// number missing is classified as a drop would classify it. A field nothing supplies
// stays empty; no entry takes a field from another.
BuiltExhibition ReadBuiltExhibition(const std::string& documentPath);

} // namespace lumo
