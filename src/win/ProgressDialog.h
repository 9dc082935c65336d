#pragma once

#include "platform/ProgressDisplay.h"
#include "platform/win/ComPointer.h"

#include <windows.h>

#include <shlobj.h>

#include <functional>
#include <utility>

namespace lumo::win {

// A build's progress in the shell's progress dialog over the owner, without a cancel
// button: staging cannot stop half-way without leaving a broken exhibition. Where the
// shell offers no such dialog the build goes on without one. Between steps the owner's
// own loop runs the messages that may not wait (processEvents).
class ProgressDialog final : public IProgressDisplay {
public:
    explicit ProgressDialog(std::function<void()> processEvents = {})
        : processEvents_(std::move(processEvents)) {}
    ~ProgressDialog() override;
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    void setOwner(HWND owner) { owner_ = owner; }

    void open() override;
    void update(const ProgressText& text, double fraction) override;
    void close() override;
    void processEvents() override;

private:
    std::function<void()> processEvents_;
    HWND owner_ = nullptr;
    bool ownerWasEnabled_ = false;
    ComPointer<IProgressDialog> dialog_;
};

} // namespace lumo::win
