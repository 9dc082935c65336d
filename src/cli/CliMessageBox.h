#pragma once

#include "cli/ProgressLine.h"
#include "platform/ConsoleMessageBox.h"

namespace lumo::cli {

// The console message box (questions answered Yes) that first closes an open progress
// line, so that a message never lands in the middle of it.
class CliMessageBox final : public IMessageBox {
public:
    CliMessageBox(std::ostream& err, ProgressLine& progress)
        : console_(err, true), progress_(progress) {}

    void show(const std::string& text) override {
        progress_.End();
        console_.show(text);
    }
    void showError(const std::string& text) override {
        progress_.End();
        console_.showError(text);
    }
    bool ask(const std::string& text) override {
        progress_.End();
        return console_.ask(text);
    }

private:
    ConsoleMessageBox console_;
    ProgressLine& progress_;
};

} // namespace lumo::cli
