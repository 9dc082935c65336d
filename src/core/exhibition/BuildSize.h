#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryPlan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

// The bytes staging will copy: each entry's document and images, the copies its plan
// makes (skipped data paths make none), and up.jpg and down.jpg from resourceFolder.
// Files that cannot be read count as empty. plans holds one plan per entry.
std::uint64_t PlannedBytes(const EntryList& entries, const std::vector<EntryPlan>& plans,
                           const std::string& resourceFolder);

} // namespace lumo
