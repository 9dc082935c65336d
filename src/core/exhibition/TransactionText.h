#pragma once

#include "exhibition/BuildRecovery.h"
#include "exhibition/TransactionResult.h"

#include <string>

namespace lumo {

// The curator's message for a build's transaction that did not complete: what failed,
// where and why, and, on the last line, what became of the chosen folder.
std::string TransactionFailureText(const TransactionResult& result,
                                   const std::string& exhibitionFolder);

// One line for what a recovery did in a folder; empty when it did nothing worth telling.
std::string RecoveryText(const RecoveryReport& report);

} // namespace lumo
