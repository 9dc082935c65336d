#pragma once

#include "platform/MessageBox.h"

#include <windows.h>

namespace lumo::win {

// The system's message boxes over the dialog that owns them, titled with the application's
// name: OK with the exclamation icon, with the information icon for a success and with
// the stop icon for errors, Yes and No with the question icon. A question with details is
// a task dialog that shows them on request.
class MessageBoxes final : public IMessageBox {
public:
    void setOwner(HWND owner) { owner_ = owner; }

    void tell(MessageKind kind, const std::string& text) override;
    bool question(const std::string& summary, const std::string& details) override;

private:
    int Run(const std::string& text, UINT type) const;

    HWND owner_ = nullptr;
};

} // namespace lumo::win
