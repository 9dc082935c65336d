#pragma once

#include <string>
#include <vector>

namespace lumo {

// What a commit moves, written into the working folder and flushed before the first
// move, so that a commit cut short at any point can be finished or undone.
struct BuildJournal {
    // The earlier exhibition's names in the chosen folder, moved aside into the working
    // folder (its exhibition.tsd is replaced, not moved).
    std::vector<std::string> oldNames;
    // The new exhibition's names, moved in from the working folder; exhibition.tsd last.
    std::vector<std::string> newNames;

    bool operator==(const BuildJournal&) const = default;
};

std::string JournalText(const BuildJournal& journal);

enum class JournalState {
    Missing,    // no journal: no move has happened
    Incomplete, // cut short while being written: no move has happened either
    Corrupt,    // complete but not a journal of ours; nothing may be moved by it
    Complete,
};

// Reads the journal at path; journal is filled only when it is Complete. Every name in it
// is an exhibition name, so that no journal can make a recovery move anything else.
JournalState ReadJournal(const std::string& path, BuildJournal& journal);

} // namespace lumo
