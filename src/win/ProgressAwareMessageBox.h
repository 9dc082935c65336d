#pragma once

#include "StagingProgress.h"
#include "platform/MessageBox.h"

namespace lumo {

// Passes the dialog's messages on, first taking down a running progress display so the
// message is not hidden behind it.
class ProgressAwareMessageBox final : public IMessageBox {
public:
    explicit ProgressAwareMessageBox(IMessageBox& target) : target_(target) {}

    void setProgress(StagingProgress* progress) { progress_ = progress; }

    void show(const std::string& text) override {
        finishProgress();
        target_.show(text);
    }
    void showError(const std::string& text) override {
        finishProgress();
        target_.showError(text);
    }
    bool ask(const std::string& text) override {
        finishProgress();
        return target_.ask(text);
    }

private:
    void finishProgress() {
        if (progress_) {
            progress_->finish();
        }
    }

    IMessageBox& target_;
    StagingProgress* progress_ = nullptr;
};

} // namespace lumo
