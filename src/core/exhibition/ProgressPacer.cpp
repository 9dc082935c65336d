#include "exhibition/ProgressPacer.h"

#include "exhibition/ProgressText.h"

#include <utility>

namespace lumo {

ProgressPacer::ProgressPacer(IProgressDisplay& display, IMessageBox& messages, Clock clock)
    : display_(display), messages_(messages, [this] { Close(); }), clock_(std::move(clock)) {}

ProgressPacer::~ProgressPacer() {
    Close();
}

// The clock starts with the first step; a display closed for a message comes back with
// the next step.
void ProgressPacer::Report(const StagingStatus& status) {
    const auto now = clock_();
    if (!started_) {
        started_ = now;
    }
    if (!open_ && now - *started_ >= kShowAfter) {
        display_.open();
        open_ = true;
    }
    if (open_) {
        display_.update(StagingProgressText(status, EstimateRemaining(status, now - *started_)),
                        StagingFraction(status));
    }
    display_.processEvents();
}

void ProgressPacer::Close() {
    if (open_) {
        display_.close();
        open_ = false;
    }
}

} // namespace lumo
