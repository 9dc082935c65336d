#include "StagingProgress.h"
#include "ApplicationName.h"

#include <gtest/gtest.h>

#include <chrono>

namespace lumo {
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

TEST(StagingProgressTest, AppearsOnceCopyingTakesHalfASecondAndGoesOnFinish) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    HWND owner = CreateWindowW(L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
    {
        StagingProgress progress(owner);
        const StagingStatus status{1, 3, "C:\\展示\\01\\scene.tsd", 123456};
        progress.report(status);
        EXPECT_TRUE(ProgressShownWithin2s(false));
        Sleep(550);
        progress.report(status);
        EXPECT_TRUE(ProgressShownWithin2s(true));
        // Modal while shown; the owner is usable again afterwards.
        EXPECT_FALSE(IsWindowEnabled(owner));
        progress.finish();
        EXPECT_TRUE(ProgressShownWithin2s(false));
        EXPECT_TRUE(IsWindowEnabled(owner));
    }
    DestroyWindow(owner);
    CoUninitialize();
}

} // namespace
} // namespace lumo
