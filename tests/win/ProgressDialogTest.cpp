#include "ProgressDialog.h"
#include "ApplicationName.h"

#include <gtest/gtest.h>

#include <chrono>

namespace lumo::win {
namespace {

// Waits up to two seconds, pumping messages, for the progress window to come or go.
bool ProgressShownWithin2s(bool shown) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
        if ((FindWindowW(nullptr, ApplicationName().c_str()) != nullptr) == shown) {
            return true;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
    return false;
}

TEST(ProgressDialogTest, ShowsModallyAndGivesTheOwnerBackWhenClosed) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    HWND owner = CreateWindowW(L"STATIC", L"owner", WS_OVERLAPPED, 100, 100, 900, 600, nullptr,
                               nullptr, nullptr, nullptr);
    {
        int passes = 0;
        ProgressDialog progress([&passes] { ++passes; });
        progress.setOwner(owner);
        progress.processEvents();
        EXPECT_EQ(passes, 1);
        EXPECT_TRUE(ProgressShownWithin2s(false));
        progress.open();
        progress.update(
            {"2 / 3 件目をコピーしています", "C:\\展示\\01\\scene.tsd", "120.6 KB コピー済み"},
            1.0 / 3);
        EXPECT_TRUE(ProgressShownWithin2s(true));
        EXPECT_FALSE(IsWindowEnabled(owner));
        // Owned by the window and centred over it.
        HWND shown = FindWindowW(nullptr, ApplicationName().c_str());
        EXPECT_EQ(GetWindow(shown, GW_OWNER), owner);
        RECT own{}, over{};
        GetWindowRect(shown, &own);
        GetWindowRect(owner, &over);
        EXPECT_NEAR(own.left + own.right, over.left + over.right, 4);
        EXPECT_NEAR(own.top + own.bottom, over.top + over.bottom, 4);
        progress.close();
        EXPECT_TRUE(ProgressShownWithin2s(false));
        EXPECT_TRUE(IsWindowEnabled(owner));
    }
    DestroyWindow(owner);
    CoUninitialize();
}

} // namespace
} // namespace lumo::win
