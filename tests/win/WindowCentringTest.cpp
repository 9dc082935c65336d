#include "AboutDialog.h"
#include "MainDialog.h"
#include "MessageBoxes.h"
#include "PreviewPopup.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <functional>

namespace lumo::win {
namespace {

// The window under test's owner, and where the box owned by it stood when it came up.
HWND gOwner = nullptr;
RECT gBox{};

BOOL CALLBACK FindOwnedBox(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == gOwner) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Records the box's place and closes it: a thread timer the box's modal loop dispatches.
void CALLBACK RecordAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindOwnedBox, reinterpret_cast<LPARAM>(&box));
    if (box) {
        KillTimer(nullptr, timer);
        GetWindowRect(box, &gBox);
        PostMessageW(box, TDM_CLICK_BUTTON, IDYES, 0);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    }
}

POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool CentredOver(const RECT& window, const RECT& over) {
    const POINT a = Centre(window);
    const POINT b = Centre(over);
    return std::abs(a.x - b.x) <= 2 && std::abs(a.y - b.y) <= 2;
}

TEST(WindowCentringTest, BoxesComeUpCentredOverLumosWindow) {
    gOwner = CreateWindowW(L"STATIC", L"owner", WS_OVERLAPPED | WS_CAPTION, 200, 150, 800, 500,
                           nullptr, nullptr, nullptr, nullptr);
    ShowWindow(gOwner, SW_SHOWNOACTIVATE);
    MessageBoxes messages;
    messages.setOwner(gOwner);
    const struct {
        const char* name;
        std::function<void()> show;
    } cases[] = {
        {"warning", [&] { messages.show("エラー　tsdファイルを選択してください"); }},
        {"information", [&] { messages.showInformation("展示用tsdファイルを作成しました"); }},
        {"question", [&] { messages.ask("読み込みますか？"); }},
        {"question with details", [&] { messages.ask("作成しますか？", "00\tscene.tsd"); }},
        {"About box", [] { AboutDialog::DoModal(GetModuleHandleW(nullptr), gOwner); }},
    };
    RECT owner;
    GetWindowRect(gOwner, &owner);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        gBox = {};
        SetTimer(nullptr, 0, 50, &RecordAndClose);
        c.show();
        EXPECT_TRUE(CentredOver(gBox, owner));
    }
    DestroyWindow(gOwner);
    gOwner = nullptr;
}

TEST(WindowCentringTest, TheMainWindowStartsCentredOnItsWorkArea) {
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialog dialog(GetModuleHandleW(nullptr), messages, chooser);
    ASSERT_TRUE(dialog.Create(false));
    RECT window;
    GetWindowRect(dialog.hwnd(), &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(dialog.hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_TRUE(CentredOver(window, monitor.rcWork));
}

// Near any edge of the work area, with any title, the preview stays inside it.
TEST(WindowCentringTest, PreviewsStayInsideTheWorkAreaOfTheCursor) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    const HWND owner = CreateWindowW(L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                     nullptr, nullptr, nullptr);
    ScaledImage square{kPreviewSide, kPreviewSide, 1000, 1000, {}};
    square.pixels.assign(static_cast<std::size_t>(kPreviewSide * kPreviewSide * 4), 200);
    const struct {
        const char* name;
        POINT cursor;
        std::string title;
    } cases[] = {
        {"bottom right", {work.right - 2, work.bottom - 2}, "a.tsd"},
        {"top left", {work.left + 1, work.top + 1}, "a.tsd"},
        {"right edge, middle", {work.right - 30, (work.top + work.bottom) / 2}, "a.tsd"},
        {"bottom edge, middle", {(work.left + work.right) / 2, work.bottom - 1}, "a.tsd"},
        {"a title wider than the screen", {work.left + 10, work.top + 10}, std::string(2000, 'W')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PreviewPopup popup;
        popup.Show(owner, c.title, {square, square}, c.cursor);
        ASSERT_TRUE(popup.visible());
        RECT placed;
        GetWindowRect(popup.hwnd(), &placed);
        RECT inside;
        IntersectRect(&inside, &placed, &work);
        EXPECT_TRUE(EqualRect(&inside, &placed));
        // Beside the cursor, never under it.
        EXPECT_FALSE(PtInRect(&placed, c.cursor));
    }
    DestroyWindow(owner);
}

} // namespace
} // namespace lumo::win
