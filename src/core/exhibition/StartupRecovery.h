#pragma once

#include "exhibition/BuildRecords.h"
#include "platform/FileOperations.h"
#include "platform/MessageBox.h"

namespace lumo {

// What the window and the command-line tool do when they start: settle the folders of
// builds that a crash, a kill or a power cut interrupted, and tell the curator what
// became of them in one message (the folders that failed in a second one, with the stop
// icon). Nothing is shown when there was nothing to settle.
void RecoverInterruptedBuilds(const BuildRecords& records, IFileOperations& ops,
                              IMessageBox& messages);

} // namespace lumo
