#include "MessageBoxes.h"

#include "ApplicationName.h"
#include "WindowCentring.h"
#include "platform/win/WidePath.h"

#include <commctrl.h>

namespace lumo::win {

int MessageBoxes::Run(const std::string& text, UINT type) const {
    const MessageBoxCentring centring(owner_);
    return MessageBoxW(owner_, WideFromUtf8(text).c_str(), ApplicationName().c_str(),
                       type | MB_APPLMODAL | MB_SETFOREGROUND);
}

void MessageBoxes::tell(MessageKind kind, const std::string& text) {
    const UINT icon = kind == MessageKind::Information ? MB_ICONINFORMATION
                      : kind == MessageKind::Error     ? MB_ICONSTOP
                                                       : MB_ICONEXCLAMATION;
    Run(text, MB_OK | icon);
}

// A question with details is a task dialog that shows them on request. Task dialogs have
// no question icon of their own, so the system's one is handed over. Closing the dialog
// counts as No. Should the task dialog fail, a message box asks with the details below
// the summary.
bool MessageBoxes::question(const std::string& summary, const std::string& details) {
    if (!details.empty()) {
        const std::wstring title = ApplicationName();
        const std::wstring content = WideFromUtf8(summary);
        const std::wstring expanded = WideFromUtf8(details);
        TASKDIALOGCONFIG config{};
        config.cbSize = sizeof config;
        config.hwndParent = owner_;
        config.dwFlags =
            TDF_USE_HICON_MAIN | TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
        config.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
        config.pszWindowTitle = title.c_str();
        config.hMainIcon = LoadIconW(nullptr, IDI_QUESTION);
        config.pszContent = content.c_str();
        config.pszExpandedInformation = expanded.c_str();
        config.nDefaultButton = IDYES;
        int button = IDNO;
        if (SUCCEEDED(TaskDialogIndirect(&config, &button, nullptr, nullptr))) {
            return button == IDYES;
        }
    }
    const std::string text = details.empty() ? summary : summary + "\n\n" + details;
    return Run(text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) == IDYES;
}

} // namespace lumo::win
