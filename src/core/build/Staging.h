#pragma once

#include "build/Progress.h"
#include "model/ExhibitionEntry.h"
#include "platform/MessageBox.h"

#include <string>
#include <vector>

namespace lumo {

// Creates the entry folders NN in the exhibition folder (which ends with a separator),
// copies each entry's files into its folder and up.jpg and down.jpg beside them. Fills
// staged with the entries whose paths point at the copies. The first failure is shown
// through messages and ends staging; staged then keeps what was replaced so far.
// Nothing is ever written outside the exhibition folder. up.jpg and down.jpg come from
// ResourceFolder().
void StageEntries(const EntryList& entries, const std::string& exhibitionFolder, EntryList& staged,
                  IMessageBox& messages, const StagingObserver& observer = {});

// The same with up.jpg and down.jpg taken from resourceFolder.
void StageEntries(const EntryList& entries, const std::string& exhibitionFolder,
                  const std::string& resourceFolder, EntryList& staged, IMessageBox& messages,
                  const StagingObserver& observer = {});

// Copies the files directly in source (not its sub-folders) into target; the first
// file that cannot be copied is reported and ends the copy.
void CopyFolderFiles(const std::string& source, const std::string& target, IMessageBox& messages,
                     const StagingObserver& observer = {});

// Full paths of everything matching pattern (a folder part and a wildcard name in which
// '*' stands for any run of characters), "." and ".." included, sorted by UTF-16 code
// units; empty when nothing matches.
std::vector<std::string> ListFolder(const std::string& pattern);

} // namespace lumo
