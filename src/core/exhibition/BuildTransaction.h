#pragma once

#include "exhibition/BuildRecords.h"
#include "exhibition/BuildRecovery.h"
#include "exhibition/TransactionResult.h"
#include "exhibition/WorkingFolder.h"
#include "platform/FileLock.h"
#include "platform/FileOperations.h"

#include <optional>
#include <string>

namespace lumo {

// A build as one transaction: the new exhibition is staged in a working folder of ours
// inside the chosen folder, then committed, so that the chosen folder ends up holding
// either the complete new exhibition or exactly what it held before, whatever fails and
// whenever the process dies. Nothing in the chosen folder but the exhibition's own names
// (entry folders 00 to 98, up.jpg, down.jpg, exhibition.tsd) is ever moved or changed.
class BuildTransaction {
public:
    // records, when given, keeps the build listed for a start of Lumo to settle.
    explicit BuildTransaction(IFileOperations& ops, const BuildRecords* records = nullptr);
    // Abandons a build that was begun and neither committed nor abandoned.
    ~BuildTransaction();
    BuildTransaction(const BuildTransaction&) = delete;
    BuildTransaction& operator=(const BuildTransaction&) = delete;

    // Settles what an earlier build left in folder, then takes the folder's working folder
    // (Busy while another build holds it) and makes the folder to stage into.
    TransactionResult begin(const std::string& folder);
    // What begin found in the folder and settled.
    const RecoveryReport& recovery() const { return recovery_; }

    const std::string& exhibitionFolder() const { return folder_->exhibition; }
    // Where staging puts the new exhibition: its entry folders, up.jpg, down.jpg and
    // exhibition.tsd. Ends with a separator.
    std::string stagingFolder() const;

    // Flushes everything staged to the disk, writes the journal, moves the earlier
    // exhibition's names aside and the new ones in, replaces exhibition.tsd last and
    // removes the working folder. Done: the new exhibition is in place. Unchanged: the
    // chosen folder is as it was. Pending: the moves could not be undone either (a
    // program still holds a file); the next recovery puts the earlier exhibition back.
    TransactionResult commit();

    // Removes what was staged with the working folder; the chosen folder is as it was.
    TransactionResult abandon();

private:
    TransactionResult journalAndMove();
    TransactionResult settleAfter(const TransactionResult& moved);

    IFileOperations& ops_;
    const BuildRecords* records_;
    std::optional<WorkingFolder> folder_;
    RecoveryReport recovery_;
    FileLock lock_;
    FileLock record_;
    bool open_ = false;
};

} // namespace lumo
