#include "cli/ConsoleMessageBox.h"

#include "cli/TerminalText.h"

#include <ostream>

namespace lumo::cli {

ConsoleMessageBox::ConsoleMessageBox(std::ostream& out, bool answer) : out_(out), answer_(answer) {}

void ConsoleMessageBox::show(const std::string& text) {
    out_ << TerminalText(text, true) << '\n' << std::flush;
}

void ConsoleMessageBox::showError(const std::string& text) {
    out_ << TerminalText(text, true) << '\n' << std::flush;
}

bool ConsoleMessageBox::ask(const std::string& text) {
    out_ << TerminalText(text, true) << ' ' << (answer_ ? "[Yes]" : "[No]") << '\n' << std::flush;
    return answer_;
}

} // namespace lumo::cli
