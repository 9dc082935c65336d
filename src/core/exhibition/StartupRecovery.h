#pragma once

#include "exhibition/BuildRecords.h"
#include "platform/FileOperations.h"
#include "platform/MessageBox.h"

namespace lumo {

// What the window and the command-line tool do when they start: settle the folders of
// builds that a crash, a kill or a power cut interrupted, and tell the curator what
// became of each, a failure with the stop icon.
void RecoverInterruptedBuilds(const BuildRecords& records, IFileOperations& ops,
                              IMessageBox& messages);

} // namespace lumo
