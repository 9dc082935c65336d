#pragma once

#include "entry/ExhibitionEntry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

// A file of an item that a later file of the same field took the place of, as in a drop.
struct ReplacedFile {
    EntryField field;
    std::string file;
    std::string by;

    bool operator==(const ReplacedFile&) const = default;
};

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
    std::vector<ReplacedFile> replaced;
};

} // namespace lumo
