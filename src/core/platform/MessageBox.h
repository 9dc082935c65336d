#pragma once

#include <string>

namespace lumo {

// Modal messages to the curator. Every text is fixed by the caller; "\n" breaks a line.
// Each front-end implements this and hands an instance to the dialog it drives.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;

    // OK button, warning icon, the application's name as title: input the curator can fix
    // (the "エラー　…" refusals) and what went wrong in part of a command.
    virtual void show(const std::string& text) = 0;
    // OK button, information icon: a command that succeeded.
    virtual void showInformation(const std::string& text) = 0;
    // OK button, stop icon: a failure that ends the command (a document that cannot be
    // written, an unexpected error).
    virtual void showError(const std::string& text) = 0;
    // Yes (the default) and No, question icon. True for Yes.
    virtual bool ask(const std::string& text) = 0;
    // The same with a longer text (one item a line) that the curator may expand below
    // the summary.
    virtual bool ask(const std::string& summary, const std::string& details) = 0;
};

} // namespace lumo
