#include "WinMessageBox.h"

#include "ApplicationName.h"
#include "platform/win/WidePath.h"

namespace lumo {

int WinMessageBox::Run(const std::string& text, UINT type) const {
    return MessageBoxW(owner_, WideFromUtf8(text).c_str(), ApplicationName().c_str(),
                       type | MB_APPLMODAL | MB_SETFOREGROUND);
}

void WinMessageBox::show(const std::string& text) {
    Run(text, MB_OK | MB_ICONEXCLAMATION);
}

void WinMessageBox::showError(const std::string& text) {
    Run(text, MB_OK | MB_ICONSTOP);
}

bool WinMessageBox::ask(const std::string& text) {
    return Run(text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) == IDYES;
}

} // namespace lumo
