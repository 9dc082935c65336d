#pragma once

#include <string>
#include <vector>

namespace lumo {

// One registered item of an exhibition. All paths are UTF-8 and absolute.
struct ExhibitionEntry {
    std::string documentPath;
    std::string thumbnailPath;
    std::string descriptionPath;
    // Data files and folders the scene document refers to; refilled by every build.
    std::vector<std::string> dataPaths;

    bool operator==(const ExhibitionEntry&) const = default;
};

// The three files an item is made of, in the entry's field order.
enum class EntryField { Document, Thumbnail, Description };

// The curator's ordered list; an entry's position is its number everywhere.
using EntryList = std::vector<ExhibitionEntry>;

} // namespace lumo
