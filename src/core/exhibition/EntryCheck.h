#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryProblem.h"

#include <string>
#include <vector>

namespace lumo {

struct EntryCheck {
    ProblemList problems;
    // Per entry, the data paths its scene document names; they become the entries'
    // dataPaths once the build goes ahead.
    std::vector<std::vector<std::string>> dataPaths;
};

// Everything a build of entries would hit or hide, without writing anything: missing or
// unreadable inputs, name collisions in entry folders, references that will not resolve,
// what would be dropped, the top group choice, and the paging images in resourceFolder.
// Reads each scene document once.
EntryCheck CheckEntries(const EntryList& entries, const std::string& resourceFolder);

// The name of the first entry folder (00, 01, … for count entries) that already exists,
// as a folder or anything else, in the exhibition folder; empty when none does.
std::string FirstExistingEntryFolder(const std::string& exhibitionFolder, std::size_t count);

} // namespace lumo
