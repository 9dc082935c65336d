#pragma once

#include "exhibition/Progress.h"

#include <iosfwd>

namespace lumo::cli {

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
