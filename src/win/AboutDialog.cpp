#include "AboutDialog.h"

#include "WindowCentring.h"

#include "model/AboutBox.h"
#include "model/DialogLayout.h"
#include "platform/win/WidePath.h"

namespace lumo::win {

static_assert(IDC_ABOUT_OK == IDOK, "the About box's OK button is the dialog manager's OK");

void AboutDialog::DoModal(HINSTANCE instance, HWND owner) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, &AboutDialog::DialogProc, 0);
}

INT_PTR CALLBACK AboutDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextW(window, IDC_ABOUT_VERSION, WideFromUtf8(AboutVersionLine()).c_str());
        CentreOverOwner(window, GetWindow(window, GW_OWNER));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(window, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace lumo::win
