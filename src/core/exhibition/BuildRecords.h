#pragma once

#include "exhibition/BuildRecovery.h"
#include "platform/FileLock.h"
#include "platform/FileOperations.h"

#include <string>
#include <vector>

namespace lumo {

// The curator's own list of folders with a build in progress, kept under the user's
// state folder, so that a start of Lumo settles what a build killed with the machine left
// in a folder it may not be asked about again. One small locked file per build: builds
// in several processes never write one file.
class BuildRecords {
public:
    explicit BuildRecords(const std::string& stateFolder);

    // Records a build into folder until record is removed, or left when the process ends.
    FileResult add(const std::string& folder, FileLock& record) const;

    // Settles the folder of every record whose build has ended and drops the record when
    // nothing is left to do there; a folder that cannot be reached now keeps its record.
    // Reports what was done in each folder where anything was, or failed.
    std::vector<RecoveryReport> recover(IFileOperations& ops) const;

private:
    std::string folder_;
};

} // namespace lumo
