#pragma once

#include "entry/ExhibitionEntry.h"
#include "model/LastExhibition.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// What Lumo keeps of the curator's work between runs: the list with every entry's files,
// the selection, the exhibition last built or reloaded, and whether the list has changed
// since then.
struct SavedList {
    EntryList entries;
    int selectedIndex = -1;
    LastExhibition exhibition;
    bool changed = false;

    bool operator==(const SavedList&) const = default;
};

// The text of the saved-list file: UTF-8, a version line, then one record a line with
// tab-separated fields, ended by a record that counts the entries. In a path, '%' and
// every control character are written as '%' and two hex digits.
std::string FormatSavedList(const SavedList& list);

// The list a saved-list file's text holds; nothing when the text is damaged, cut short,
// or written by a newer version of Lumo.
std::optional<SavedList> ParseSavedList(std::string_view text);

} // namespace lumo
