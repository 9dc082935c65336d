#pragma once

#include <string>

namespace lumo {

// How a message looks: the icon tells the outcome at a glance.
enum class MessageKind {
    Warning, // input the curator can fix (the "エラー　…" refusals), part of a command failed
    Information, // a command that succeeded
    Error,       // a failure that ends the command
};

// Modal messages to the curator. Every text is fixed by the caller; "\n" breaks a line.
// Each front-end implements tell and question and hands an instance to the dialog it
// drives; callers use the named calls.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;

    // OK button, the application's name as title.
    void show(const std::string& text) { tell(MessageKind::Warning, text); }
    void showInformation(const std::string& text) { tell(MessageKind::Information, text); }
    void showError(const std::string& text) { tell(MessageKind::Error, text); }

    // Yes (the default) and No, question icon. True for Yes.
    bool ask(const std::string& text) { return question(text, {}); }
    // The same with a longer text (one item a line) that the curator may expand below
    // the summary.
    bool ask(const std::string& summary, const std::string& details) {
        return question(summary, details);
    }

    virtual void tell(MessageKind kind, const std::string& text) = 0;
    // details is empty for a plain question.
    virtual bool question(const std::string& summary, const std::string& details) = 0;
};

} // namespace lumo
