#include "HoverPreviews.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace lumo::win {

namespace {

constexpr UINT_PTR kSubclassId = 0x4C50; // one subclass of each watched control

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;

POINT ClientPoint(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// Asks for WM_MOUSELEAVE, and for WM_MOUSEHOVER once the cursor rests for the system's
// hover time.
void TrackMouse(HWND control, bool hover) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE | (hover ? TME_HOVER : 0);
    track.hwndTrack = control;
    track.dwHoverTime = HOVER_DEFAULT;
    TrackMouseEvent(&track);
}

} // namespace

HoverPreviews::~HoverPreviews() {
    for (HWND control : watched_) {
        if (IsWindow(control)) {
            RemoveWindowSubclass(control, &HoverPreviews::SubclassProc, kSubclassId);
        }
    }
}

void HoverPreviews::Watch(HWND control) {
    if (control && SetWindowSubclass(control, &HoverPreviews::SubclassProc, kSubclassId,
                                     reinterpret_cast<DWORD_PTR>(this))) {
        watched_.push_back(control);
    }
}

void HoverPreviews::Hide() {
    popup_.Hide();
}

// A move to another target hides the preview; resting on a target shows it.
void HoverPreviews::OnMouseMove(HWND control, POINT client) {
    HoverTarget target = lookup_(control, client);
    if (target != target_) {
        popup_.Hide();
        target_ = std::move(target);
    }
    TrackMouse(control, !popup_.visible() && !target_.title.empty());
}

void HoverPreviews::OnHover(HWND control, POINT client) {
    if (target_.title.empty() || lookup_(control, client) != target_) {
        return;
    }
    std::vector<ScaledImage> images;
    for (const std::string& image : target_.images) {
        images.push_back(previews_.preview(image));
    }
    POINT cursor = client;
    ClientToScreen(control, &cursor);
    popup_.Show(GetAncestor(control, GA_ROOT), target_.title, std::move(images), cursor);
}

LRESULT CALLBACK HoverPreviews::SubclassProc(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* previews = reinterpret_cast<HoverPreviews*>(self);
    switch (message) {
    case WM_MOUSEMOVE:
        if ((wParam & kAnyButton) != 0) {
            previews->Hide(); // a drag
        } else {
            previews->OnMouseMove(control, ClientPoint(lParam));
        }
        break;
    case WM_MOUSEHOVER:
        previews->OnHover(control, ClientPoint(lParam));
        break;
    case WM_MOUSELEAVE:
        previews->Hide();
        previews->target_ = {};
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        previews->Hide();
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, &HoverPreviews::SubclassProc, kSubclassId);
        previews->watched_.erase(
            std::remove(previews->watched_.begin(), previews->watched_.end(), control),
            previews->watched_.end());
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace lumo::win
