#include "MessageBoxes.h"
#include "ApplicationName.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>

namespace lumo::win {
namespace {

// The button the timer presses in the next box that comes up.
int gButton = 0;

// Presses gButton in the box once it is up: the box runs its own modal loop, which
// dispatches this thread timer. A task dialog takes its own message for a click.
void CALLBACK PressButton(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND box = FindWindowW(L"#32770", ApplicationName().c_str())) {
        KillTimer(nullptr, timer);
        PostMessageW(box, TDM_CLICK_BUTTON, static_cast<WPARAM>(gButton), 0);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(gButton, BN_CLICKED), 0);
    }
}

TEST(MessageBoxesTest, QuestionsReturnTheButtonPressed) {
    MessageBoxes messages;
    const std::function<bool()> questions[] = {
        [&] {
            return messages.ask(
                "以前作成された展示用tsdファイルが入力されました。\n読み込みますか？");
        },
        [&] { return messages.ask("作成しますか？", "00\tscene.tsd\n01\tthumb.jpg"); }};
    for (const auto& question : questions) {
        for (const int button : {IDYES, IDNO}) {
            gButton = button;
            SetTimer(nullptr, 0, 50, &PressButton);
            EXPECT_EQ(question(), button == IDYES);
        }
    }
}

} // namespace
} // namespace lumo::win
