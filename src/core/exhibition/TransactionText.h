#pragma once

#include "exhibition/BuildRecovery.h"
#include "exhibition/StagingResult.h"
#include "exhibition/TransactionResult.h"

#include <string>

namespace lumo {

// The curator's message for a build's transaction that did not complete: what failed,
// where and why, and, on the last line, what became of the chosen folder.
std::string TransactionFailureText(const TransactionResult& result,
                                   const std::string& exhibitionFolder);

// The curator's message for a staging failure that ended a build: the step's own
// message, the entry, source and target (as named in the chosen folder rather than in
// the working folder), the system's reason, and that the chosen folder is unchanged.
std::string StagingFailureText(const StagingResult& staging, const std::string& stagingFolder,
                               const std::string& exhibitionFolder);

// One line for what a recovery did in a folder; empty when it did nothing worth telling.
std::string RecoveryText(const RecoveryReport& report);

} // namespace lumo
