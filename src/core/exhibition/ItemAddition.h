#pragma once

#include "entry/ExhibitionEntry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

// What became of an item offered to an exhibition.
struct ItemAddition {
    bool added = false;
    // Where the item was put, or would have been.
    std::size_t position = 0;
    // The message for a refused item; empty when it was added.
    std::string reason;
    // What a refused item lacks, in field order.
    std::vector<EntryField> missing;
    // The files that filled no field (neither a scene document nor a readable image).
    std::vector<std::string> ignored;
};

} // namespace lumo
