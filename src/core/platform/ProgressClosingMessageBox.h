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

    void tell(MessageKind kind, const std::string& text) override {
        closeProgress_();
        target_.tell(kind, text);
    }
    bool question(const std::string& summary, const std::string& details) override {
        closeProgress_();
        return target_.question(summary, details);
    }

private:
    IMessageBox& target_;
    std::function<void()> closeProgress_;
};

} // namespace lumo
