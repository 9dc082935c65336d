#pragma once

#include <windows.h>

namespace lumo::win {

// The About box, from its template: the application's icon, name and version, and OK.
class AboutDialog {
public:
    static void DoModal(HINSTANCE instance, HWND owner);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace lumo::win
