#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/BuildCommand.h"
#include "exhibition/EntryProblem.h"
#include "exhibition/ItemAddition.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

// An exhibition being put together: its ordered items and what can be done with them,
// the same for every front-end. Knows nothing of windows, selections or questions; a
// caller that needs to tell the curator something gets it back in a result.
class Exhibition {
public:
    const EntryList& entries() const { return entries_; }

    // Appends the item made of files, each classified as a drop would classify it into
    // an item that starts empty.
    ItemAddition AppendItem(const std::vector<std::string>& files);
    // Inserts a copy of entry at position (appends when position is past the end),
    // unless it lacks its document, thumbnail or description.
    ItemAddition Insert(std::size_t position, const ExhibitionEntry& entry);
    // Positions past the end are ignored.
    void Remove(std::size_t position);
    void Swap(std::size_t first, std::size_t second);

    // Replaces the items with those of a built exhibition (see ReadBuiltExhibition).
    void Load(EntryList entries);

    // What a build of the items would hit or hide, without writing anything. Throws
    // EncodingError when the scene documents' code page cannot be used.
    ProblemList Check() const;

    // Builds the items into the folder that services' chooser gives, opened at
    // browseStartPath; refreshes each item's dataPaths.
    BuildOutcome Build(const std::string& browseStartPath, const BuildServices& services);

private:
    EntryList entries_;
};

} // namespace lumo
