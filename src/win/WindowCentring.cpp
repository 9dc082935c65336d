#include "WindowCentring.h"

#include "model/WindowPlacement.h"

#include <iterator>

namespace lumo::win {

namespace {

// The owner of the boxes the hook centres, and the last box centred: the hook procedure
// gets no context of its own, and a box the curator moved stays where it was put.
thread_local HWND tCentringOwner = nullptr;
thread_local HWND tCentred = nullptr;

ScreenRect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

RECT WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info.rcWork;
}

} // namespace

RECT WorkAreaAt(POINT point) {
    return WorkAreaOf(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

void CentreOverOwner(HWND window, HWND owner) {
    RECT own{};
    if (!GetWindowRect(window, &own)) {
        return;
    }
    const HWND reference = owner ? owner : window;
    const RECT workArea = WorkAreaOf(MonitorFromWindow(reference, MONITOR_DEFAULTTONEAREST));
    RECT over = workArea;
    if (owner && !GetWindowRect(owner, &over)) {
        over = workArea;
    }
    const ScreenPoint placed =
        CentreOver(own.right - own.left, own.bottom - own.top, FromRect(over), FromRect(workArea));
    SetWindowPos(window, nullptr, placed.x, placed.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT PopupBesideCursor(SIZE size, POINT cursor) {
    const ScreenPoint placed =
        PlaceBesideCursor(size.cx, size.cy, {cursor.x, cursor.y}, FromRect(WorkAreaAt(cursor)));
    return {placed.x, placed.y};
}

MessageBoxCentring::MessageBoxCentring(HWND owner)
    : previousOwner_(tCentringOwner), hook_(SetWindowsHookExW(WH_CBT, &MessageBoxCentring::HookProc,
                                                              nullptr, GetCurrentThreadId())) {
    tCentringOwner = owner;
}

MessageBoxCentring::~MessageBoxCentring() {
    if (hook_) {
        UnhookWindowsHookEx(hook_);
    }
    tCentringOwner = previousOwner_;
}

// A message box is a dialog (#32770) of its owner's thread; it is centred the first time
// it activates, before it is drawn.
LRESULT CALLBACK MessageBoxCentring::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && tCentringOwner) {
        const auto window = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(window, className, static_cast<int>(std::size(className)));
        if (window != tCentred && lstrcmpW(className, L"#32770") == 0 &&
            GetWindow(window, GW_OWNER) == tCentringOwner) {
            tCentred = window;
            CentreOverOwner(window, tCentringOwner);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace lumo::win
