#pragma once

#include "exhibition/Progress.h"
#include "platform/ProgressDisplay.h"

#include <cstdint>
#include <string>

namespace lumo {

// "12.3 MB" style: bytes below 1 KiB as they are, then KB, MB, GB, TB with one decimal.
std::string FormatByteCount(std::uint64_t bytes);

// The lines that show where staging stands: "2 / 5 件目をコピーしています", the file being
// copied, "12.3 MB コピー済み".
ProgressText StagingProgressText(const StagingStatus& status);

// The share of the items already staged, from 0 to 1.
double StagingFraction(const StagingStatus& status);

} // namespace lumo
