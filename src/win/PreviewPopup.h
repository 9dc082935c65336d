#pragma once

#include "platform/win/ScaledImage.h"

#include <windows.h>

#include <string>
#include <vector>

namespace lumo::win {

// A tool window with a thin border that takes neither the focus nor the mouse: a line of
// text (the path the previews belong to) over image previews side by side, each in a
// square of the preview side with its pixel size below it. It stands beside the cursor,
// inside the work area of the monitor that holds the cursor.
class PreviewPopup {
public:
    // The space between the border and the content and between its parts, in pixels.
    static constexpr int kSpacing = 6;

    PreviewPopup() = default;
    ~PreviewPopup();
    PreviewPopup(const PreviewPopup&) = delete;
    PreviewPopup& operator=(const PreviewPopup&) = delete;

    // Shows the previews beside cursor (screen coordinates), above owner; the popup goes
    // with owner.
    void Show(HWND owner, const std::string& title, std::vector<ScaledImage> images, POINT cursor);
    void Hide();

    HWND hwnd() const { return hwnd_; }
    bool visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Create(HWND owner);
    void Paint(HDC dc) const;
    HGDIOBJ Font() const;

    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr; // the owner's
    int lineHeight_ = 0;
    std::wstring title_;
    std::vector<ScaledImage> images_; // composited over the popup's background
};

} // namespace lumo::win
