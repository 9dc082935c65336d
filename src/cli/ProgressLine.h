#pragma once

#include "exhibition/Progress.h"

#include <cstdint>
#include <iosfwd>
#include <string>

namespace lumo::cli {

// "12.3 MB" style: bytes below 1 KiB as they are, then KB, MB, GB with one decimal.
std::string FormatByteCount(std::uint64_t bytes);

// One terminal line that staging rewrites in place: item n/N, bytes so far, file name.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& out) : out_(out) {}
    ~ProgressLine() { End(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void Show(const StagingStatus& status);
    // Closes a shown line so that the next message starts on a line of its own.
    void End();

private:
    std::ostream& out_;
    bool open_ = false;
};

} // namespace lumo::cli
