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

    void tell(MessageKind kind, const std::string& text) override;
    bool question(const std::string& summary, const std::string& details) override;

private:
    std::ostream& out_;
    bool answer_;
};

} // namespace lumo::cli
