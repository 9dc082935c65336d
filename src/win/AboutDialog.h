#pragma once

#include <windows.h>

namespace lumo {

// The About box of template 100: the application's icon, name and version, and OK.
class CAboutDlg {
public:
    static void DoModal(HINSTANCE instance, HWND owner);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace lumo
