#pragma once

#include "platform/MessageBox.h"

#include <iosfwd>

namespace lumo::cli {

// Messages as lines on a stream (stderr for the command-line tool), made safe for a
// terminal. Questions are answered with the answer the caller chose up front, and the
// answer is printed too.
class ConsoleMessageBox final : public IMessageBox {
public:
    ConsoleMessageBox(std::ostream& out, bool answer);

    void show(const std::string& text) override;
    void showError(const std::string& text) override;
    bool ask(const std::string& text) override;
    bool ask(const std::string& summary, const std::string& details) override;

    // How many messages and errors were shown (questions not counted).
    int shownCount() const { return shown_; }

private:
    std::ostream& out_;
    bool answer_;
    int shown_ = 0;
};

} // namespace lumo::cli
