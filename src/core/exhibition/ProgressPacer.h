#pragma once

#include "exhibition/Progress.h"
#include "platform/MessageBox.h"
#include "platform/ProgressClosingMessageBox.h"
#include "platform/ProgressDisplay.h"

#include <chrono>
#include <functional>
#include <optional>

namespace lumo {

// Drives a progress display through one build's staging. The display appears only once
// copying has taken half a second, so that small builds do not flicker, and then shows
// every step, with the time left once the pace tells it. It is closed before any message shown
// through messages(), so that a message is never hidden behind it, and when the pacer ends.
class ProgressPacer {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr std::chrono::milliseconds kShowAfter{500};

    ProgressPacer(IProgressDisplay& display, IMessageBox& messages,
                  Clock clock = &std::chrono::steady_clock::now);
    ~ProgressPacer();
    ProgressPacer(const ProgressPacer&) = delete;
    ProgressPacer& operator=(const ProgressPacer&) = delete;

    void Report(const StagingStatus& status);
    void Close();

    IMessageBox& messages() { return messages_; }

private:
    IProgressDisplay& display_;
    ProgressClosingMessageBox messages_;
    Clock clock_;
    std::optional<std::chrono::steady_clock::time_point> started_;
    bool open_ = false;
};

} // namespace lumo
