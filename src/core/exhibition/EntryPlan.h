#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/DataPathPlan.h"

#include <string>
#include <vector>

namespace lumo {

// Two different sources meet on one name in an entry folder, letter case aside as on
// Windows, where exhibitions are opened.
struct NameCollision {
    std::string path;
    std::string survivor;

    bool operator==(const NameCollision&) const = default;
};

// What staging makes of one entry's data paths, decided before anything is copied.
struct EntryPlan {
    // One per data path, in order.
    std::vector<DataPathPlan> dataPaths;
    std::vector<NameCollision> collisions;
};

// The entry's scene document and images take their names first, then each data path in
// order: a later data file replaces an earlier one of the same name (never the scene
// document or an image: that data file is skipped), a later folder's files go
// into the folder made first, and a file and a folder never share a name: the later one
// is skipped. Paths refused outright make nothing and take no name.
EntryPlan PlanEntry(const ExhibitionEntry& entry, const std::vector<std::string>& dataPaths);

} // namespace lumo
