#pragma once

#include "platform/FileLock.h"
#include "platform/FileOperations.h"

#include <string>

namespace lumo {

// The folder of ours that a build works in, inside the chosen folder so that every move
// of the commit stays on one volume.
inline constexpr char kWorkingFolderName[] = ".lumo-build";

// Where everything of a build lies. The chosen folder ends with a separator, the others
// do not.
struct WorkingFolder {
    explicit WorkingFolder(const std::string& exhibitionFolder);

    // Where name lies in the chosen folder, among the staged names and among those set aside.
    std::string current(const std::string& name) const { return exhibition + name; }
    std::string stagedName(const std::string& name) const;
    std::string asideName(const std::string& name) const;

    std::string exhibition; // the chosen folder
    std::string root;       // the working folder
    std::string lock;       // held by the build that owns the working folder
    std::string journal;    // what the commit moves
    std::string staged;     // the new exhibition, staged
    std::string aside;      // the earlier exhibition's names, moved aside by the commit
};

// Makes lock this process's hold on the working folder: at once when it is new, or when
// the build that held it has ended. InUse while a live build holds it, Missing when
// there is no working folder.
FileResult ClaimWorkingFolder(const WorkingFolder& folder, FileLock& lock);

// Removes the working folder of a build whose chosen folder is settled (or untouched):
// the journal first, so that what is left never reads as a commit to finish, then the
// rest and last the lock.
FileResult RemoveWorkingFolder(const WorkingFolder& folder, FileLock& lock, IFileOperations& ops);

} // namespace lumo
