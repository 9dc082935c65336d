#pragma once

#include "exhibition/Progress.h"
#include "platform/win/ComPointer.h"

#include <windows.h>

#include <shlobj.h>

#include <chrono>

namespace lumo {

// The progress display of one build's staging: the shell's progress dialog over the owner,
// shown only once copying has taken half a second, so small builds do not flicker. It
// has no cancel button: staging cannot stop half-way without leaving a broken exhibition.
class StagingProgress {
public:
    explicit StagingProgress(HWND owner) : owner_(owner) {}
    ~StagingProgress();
    StagingProgress(const StagingProgress&) = delete;
    StagingProgress& operator=(const StagingProgress&) = delete;

    void report(const StagingStatus& status);
    // Takes the display down, for instance before a message box.
    void finish();

private:
    bool Start();

    HWND owner_;
    bool clockStarted_ = false;
    bool unavailable_ = false;
    bool ownerWasEnabled_ = false;
    std::chrono::steady_clock::time_point started_;
    ComPointer<IProgressDialog> dialog_;
};

} // namespace lumo
