#include "platform/ConsoleMessageBox.h"

#include <ostream>

namespace lumo {

ConsoleMessageBox::ConsoleMessageBox(std::ostream& out, bool answer) : out_(out), answer_(answer) {}

void ConsoleMessageBox::show(const std::string& text) {
    out_ << text << '\n' << std::flush;
}

void ConsoleMessageBox::showError(const std::string& text) {
    out_ << text << '\n' << std::flush;
}

bool ConsoleMessageBox::ask(const std::string& text) {
    out_ << text << ' ' << (answer_ ? "[Yes]" : "[No]") << '\n' << std::flush;
    return answer_;
}

} // namespace lumo
