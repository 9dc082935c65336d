#pragma once

#include "platform/MessageBox.h"

#include <functional>
#include <utility>

namespace lumo {

// Passes every message on to another message box, first closing the front-end's progress
// display (through the callback it is given) so that a message is never hidden behind it
// or written into the middle of it.
class ProgressClosingMessageBox final : public IMessageBox {
public:
    ProgressClosingMessageBox(IMessageBox& target, std::function<void()> closeProgress)
        : target_(target), closeProgress_(std::move(closeProgress)) {}

    void show(const std::string& text) override {
        closeProgress_();
        target_.show(text);
    }
    void showInformation(const std::string& text) override {
        closeProgress_();
        target_.showInformation(text);
    }
    void showError(const std::string& text) override {
        closeProgress_();
        target_.showError(text);
    }
    bool ask(const std::string& text) override {
        closeProgress_();
        return target_.ask(text);
    }
    bool ask(const std::string& summary, const std::string& details) override {
        closeProgress_();
        return target_.ask(summary, details);
    }

private:
    IMessageBox& target_;
    std::function<void()> closeProgress_;
};

} // namespace lumo
