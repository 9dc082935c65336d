#include "PreviewPopup.h"

#include "WindowCentring.h"
#include "model/PreviewCache.h"
#include "platform/win/WidePath.h"

#include <algorithm>
#include <utility>

namespace lumo::win {

namespace {

constexpr wchar_t kClassName[] = L"LumoPreviewPopup";
constexpr DWORD kStyle = WS_POPUP | WS_BORDER;
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX;

// Blends premultiplied pixels over the popup's opaque background, so that GDI, which
// ignores alpha, draws a transparent image as it would show there.
void CompositeOver(std::vector<std::uint8_t>& pixels, COLORREF background) {
    const int back[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
    for (std::size_t i = 0; i + 3 < pixels.size(); i += 4) {
        const int transparency = 255 - pixels[i + 3];
        for (std::size_t c = 0; c < 3; ++c) {
            const int blended = pixels[i + c] + (back[c] * transparency + 127) / 255;
            pixels[i + c] = static_cast<std::uint8_t>(std::min(blended, 255));
        }
        pixels[i + 3] = 255;
    }
}

std::wstring SizeCaption(const ScaledImage& image) {
    return std::to_wstring(image.fullWidth) + L" \u00D7 " + std::to_wstring(image.fullHeight);
}

int CellsWidth(std::size_t count) {
    const int cells = static_cast<int>(std::max<std::size_t>(count, 1));
    return cells * kPreviewSide + (cells - 1) * PreviewPopup::kSpacing;
}

} // namespace

PreviewPopup::~PreviewPopup() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
}

bool PreviewPopup::Create(HWND owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, kClassName, &windowClass)) {
        windowClass.lpfnWndProc = &PreviewPopup::WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
        windowClass.lpszClassName = kClassName;
        if (!RegisterClassExW(&windowClass)) {
            return false;
        }
    }
    hwnd_ = CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, 0, 0, owner, nullptr, instance,
                            this);
    return hwnd_ != nullptr;
}

HGDIOBJ PreviewPopup::Font() const {
    return font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT);
}

void PreviewPopup::Show(HWND owner, const std::string& title, std::vector<ScaledImage> images,
                        POINT cursor) {
    if (!hwnd_ && !Create(owner)) {
        return;
    }
    font_ = reinterpret_cast<HFONT>(SendMessageW(owner, WM_GETFONT, 0, 0));
    title_ = WideFromUtf8(title);
    for (ScaledImage& image : images) {
        CompositeOver(image.pixels, GetSysColor(COLOR_INFOBK));
    }
    images_ = std::move(images);

    HDC dc = GetDC(hwnd_);
    const HGDIOBJ oldFont = SelectObject(dc, Font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE titleSize{};
    GetTextExtentPoint32W(dc, title_.c_str(), static_cast<int>(title_.size()), &titleSize);
    SelectObject(dc, oldFont);
    ReleaseDC(hwnd_, dc);
    lineHeight_ = metrics.tmHeight;

    // Client area: the title, the squares, their captions; a long title is shortened to
    // the work area's width rather than widen the popup past it.
    RECT frame{};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const RECT workArea = WorkAreaAt(cursor);
    const int frameWidth = frame.right - frame.left;
    const int widest = workArea.right - workArea.left - frameWidth - 2 * kSpacing;
    const int width = frameWidth + 2 * kSpacing +
                      std::max(CellsWidth(images_.size()), std::min<int>(titleSize.cx, widest));
    const int height = frame.bottom - frame.top + 4 * kSpacing + 2 * lineHeight_ + kPreviewSide;
    const POINT at = PopupBesideCursor({width, height}, cursor);
    SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void PreviewPopup::Hide() {
    if (visible()) {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void PreviewPopup::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const HGDIOBJ oldFont = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    RECT titleRect{kSpacing, kSpacing, client.right - kSpacing, kSpacing + lineHeight_};
    DrawTextW(dc, title_.c_str(), -1, &titleRect, kTextFormat | DT_LEFT | DT_PATH_ELLIPSIS);

    int left = (client.right - CellsWidth(images_.size())) / 2;
    const int top = 2 * kSpacing + lineHeight_;
    for (const ScaledImage& image : images_) {
        RECT square{left, top, left + kPreviewSide, top + kPreviewSide};
        RECT caption{left, square.bottom + kSpacing, square.right,
                     square.bottom + kSpacing + lineHeight_};
        if (image.pixels.empty()) {
            DrawTextW(dc, WideFromUtf8(kUnreadablePreview).c_str(), -1, &square,
                      kTextFormat | DT_CENTER | DT_VCENTER);
        } else {
            BITMAPINFO bitmap{};
            bitmap.bmiHeader.biSize = sizeof bitmap.bmiHeader;
            bitmap.bmiHeader.biWidth = image.width;
            bitmap.bmiHeader.biHeight = -image.height; // rows from the top
            bitmap.bmiHeader.biPlanes = 1;
            bitmap.bmiHeader.biBitCount = 32;
            bitmap.bmiHeader.biCompression = BI_RGB;
            SetDIBitsToDevice(dc, left + (kPreviewSide - image.width) / 2,
                              top + (kPreviewSide - image.height) / 2,
                              static_cast<DWORD>(image.width), static_cast<DWORD>(image.height), 0,
                              0, 0, static_cast<UINT>(image.height), image.pixels.data(), &bitmap,
                              DIB_RGB_COLORS);
            DrawTextW(dc, SizeCaption(image).c_str(), -1, &caption, kTextFormat | DT_CENTER);
        }
        left += kPreviewSide + kSpacing;
    }
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK PreviewPopup::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* popup = reinterpret_cast<PreviewPopup*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCHITTEST:
        // The mouse goes to the window below: the control the cursor hovers keeps it.
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_PAINT:
        if (popup) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            popup->Paint(dc);
            EndPaint(window, &paint);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        // Destroyed with its owner: nothing is left to destroy.
        if (popup) {
            popup->hwnd_ = nullptr;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace lumo::win
