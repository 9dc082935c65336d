#pragma once

#include "platform/MessageBox.h"

#include <windows.h>

namespace lumo {

// The system's message boxes over the dialog that owns them, titled with the application's
// name: OK with the exclamation icon, OK with the stop icon for errors, Yes and No with
// the question icon.
class WinMessageBox final : public IMessageBox {
public:
    void setOwner(HWND owner) { owner_ = owner; }

    void show(const std::string& text) override;
    void showError(const std::string& text) override;
    bool ask(const std::string& text) override;

private:
    int Run(const std::string& text, UINT type) const;

    HWND owner_ = nullptr;
};

} // namespace lumo
