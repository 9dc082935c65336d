#pragma once

#include "model/SavedList.h"

#include <string>

namespace lumo {

// saved-list.txt in the user's state folder.
std::string SavedListPath();

enum class SavedListRead {
    Missing,  // no file: the last session closed cleanly, or there was none
    Read,     // the list was read
    SetAside, // the file could not be used and was moved aside
};

struct SavedListReadResult {
    SavedListRead status = SavedListRead::Missing;
    SavedList list;           // when Read
    std::string setAsidePath; // when SetAside: where the file lies now
};

// Reads the saved list at path. A file that cannot be read, is damaged or cut short, or
// was written by a newer version is never deleted: it is renamed within its folder
// (saved-list-set-aside-1.txt, -2, … never over an earlier one), so that a newer Lumo or
// a curator can still open it; should even that fail it stays where it is.
SavedListReadResult ReadSavedList(const std::string& path);

} // namespace lumo
