#pragma once

#include "exhibition/Progress.h"
#include "platform/ProgressDisplay.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace lumo {

// "12.3 MB" style: bytes below 1 KiB as they are, then KB, MB, GB, TB with one decimal.
std::string FormatByteCount(std::uint64_t bytes);

// The lines that show where staging stands: "2 / 5 件目をコピーしています", the file being
// copied, "12.3 MB コピー済み" followed by the remaining time when it is known ("残り約 N 秒" under
// a minute, "残り約 N 分" from then on, rounded up).
ProgressText StagingProgressText(const StagingStatus& status,
                                 std::optional<std::chrono::seconds> remaining = {});

// The share of the build's bytes already copied, from 0 to 1; the share of the items
// staged when the build's size is unknown.
double StagingFraction(const StagingStatus& status);

// The time the rest of the build takes at the pace so far; none until a second has passed
// with bytes copied, or when the size is unknown or all of it is copied.
std::optional<std::chrono::seconds> EstimateRemaining(const StagingStatus& status,
                                                      std::chrono::steady_clock::duration elapsed);

} // namespace lumo
