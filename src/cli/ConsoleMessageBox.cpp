#include "cli/ConsoleMessageBox.h"

#include "cli/TerminalText.h"

#include <ostream>

namespace lumo::cli {

ConsoleMessageBox::ConsoleMessageBox(std::ostream& out, bool answer) : out_(out), answer_(answer) {}

void ConsoleMessageBox::tell(MessageKind, const std::string& text) {
    out_ << TerminalText(text, true) << '\n' << std::flush;
}

// The details come first, so that the question and its answer end the output.
bool ConsoleMessageBox::question(const std::string& summary, const std::string& details) {
    out_ << TerminalText(details, true) << (details.empty() || details.back() == '\n' ? "" : "\n");
    out_ << TerminalText(summary, true) << ' ' << (answer_ ? "[Yes]" : "[No]") << '\n'
         << std::flush;
    return answer_;
}

} // namespace lumo::cli
