#pragma once

#include <string>

namespace lumo {

enum class ExhibitionOrigin {
    None,     // no exhibition built or reloaded yet
    Built,    // the list was last built into the folder
    Reloaded, // the list was last reloaded from the folder's exhibition.tsd
};

// The exhibition the list last became or came from.
struct LastExhibition {
    ExhibitionOrigin origin = ExhibitionOrigin::None;
    std::string folder; // the exhibition folder; empty for None

    bool operator==(const LastExhibition&) const = default;
};

// Where the folder chooser opens. After a build, the parent of the folder built into, so
// that the next exhibition lands beside it; after a reload, the reloaded exhibition's
// folder; otherwise, or when that folder is gone, the curator's home folder. Never a
// source document's folder, which a hasty confirmation would turn into an exhibition.
std::string FolderChooserStart(const LastExhibition& last);

} // namespace lumo
