#pragma once

#include <windows.h>

namespace lumo::win {

// Centres window over owner (its whole frame), kept inside the work area of the monitor
// that holds most of the owner. Without an owner, centres it on the work area of the
// monitor where it stands.
void CentreOverOwner(HWND window, HWND owner);

// The work area of the monitor that holds point, or of the nearest one.
RECT WorkAreaAt(POINT point);

// The top-left corner of a popup of size beside cursor, inside the work area of the
// monitor that holds the cursor, on every edge.
POINT PopupBesideCursor(SIZE size, POINT cursor);

// While it lives, every message box this thread shows is centred over owner when it
// activates: a message box has no placement of its own, and the system puts it at the
// centre of the primary screen or, under some systems, at the screen's corner.
class MessageBoxCentring {
public:
    explicit MessageBoxCentring(HWND owner);
    ~MessageBoxCentring();
    MessageBoxCentring(const MessageBoxCentring&) = delete;
    MessageBoxCentring& operator=(const MessageBoxCentring&) = delete;

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    HWND previousOwner_;
    HHOOK hook_;
};

} // namespace lumo::win
