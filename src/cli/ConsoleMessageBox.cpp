#include "cli/ConsoleMessageBox.h"

#include "cli/TerminalText.h"

#include <ostream>

namespace lumo::cli {

ConsoleMessageBox::ConsoleMessageBox(std::ostream& out, bool answer) : out_(out), answer_(answer) {}

void ConsoleMessageBox::show(const std::string& text) {
    out_ << TerminalText(text, true) << '\n' << std::flush;
}

void ConsoleMessageBox::showInformation(const std::string& text) {
    show(text);
}

void ConsoleMessageBox::showError(const std::string& text) {
    out_ << TerminalText(text, true) << '\n' << std::flush;
}

bool ConsoleMessageBox::ask(const std::string& text) {
    out_ << TerminalText(text, true) << ' ' << (answer_ ? "[Yes]" : "[No]") << '\n' << std::flush;
    return answer_;
}

bool ConsoleMessageBox::ask(const std::string& summary, const std::string& details) {
    out_ << TerminalText(details, true) << (details.empty() || details.back() == '\n' ? "" : "\n");
    return ask(summary);
}

} // namespace lumo::cli
