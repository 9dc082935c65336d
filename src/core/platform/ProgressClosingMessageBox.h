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
    void showError(const std::string& text) override {
        closeProgress_();
        target_.showError(text);
    }
    bool ask(const std::string& text) override {
        closeProgress_();
        return target_.ask(text);
    }

private:
    IMessageBox& target_;
    std::function<void()> closeProgress_;
};

} // namespace lumo
