#pragma once

#include "exhibition/BuildJournal.h"
#include "exhibition/TransactionResult.h"
#include "exhibition/WorkingFolder.h"
#include "platform/FileOperations.h"

namespace lumo {

// The moves of a commit, worked out from what is on disk: a name's earlier version and
// its new one each lie in exactly one of two places, and which of the working folder's
// copies still exist tells where. So the same steps serve a commit, its undo after a
// failure and a recovery after a crash, however often they were cut short before.

// The commit is made once exhibition.tsd has left the staged names for the chosen folder.
bool IsCommitted(const WorkingFolder& folder);

// Moves the earlier exhibition's names aside, the new ones in, flushes the folders and
// replaces exhibition.tsd last. Each move is done only if it is still to be done.
TransactionResult MoveForward(const WorkingFolder& folder, const BuildJournal& journal,
                              IFileOperations& ops);

// Before the commit: moves the new names that reached the chosen folder back among the
// staged ones, and the earlier exhibition's names back where they were.
TransactionResult MoveBack(const WorkingFolder& folder, const BuildJournal& journal,
                           IFileOperations& ops);

} // namespace lumo
