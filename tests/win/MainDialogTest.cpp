#include "LumoDlg.h"
#include "Resources.h"
#include "WinFolderChooser.h"
#include "platform/win/WidePath.h"
#include "support/RecordingMessageBox.h"
#include "support/SampleExhibition.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <windowsx.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace lumo {
namespace {

namespace fs = std::filesystem;

// A shell drop as Explorer hands it over: a DROPFILES header followed by the wide paths,
// each ending in a null, and one more null at the end.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::wstring list;
    for (const std::string& path : paths) {
        list += WideFromUtf8(path);
        list += L'\0';
    }
    list += L'\0';
    const std::size_t bytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES), list.data(), bytes);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8FromWide(text);
}

std::string Stem(const std::string& path) {
    return path.empty() ? std::string()
                        : Utf8FromWide(fs::path(WideFromUtf8(path)).stem().wstring());
}

// The first sample item, its scene folder included, copied into a folder of its own and
// renamed, so that items differ by name.
test::SampleItem CopyItem(const fs::path& folder, const std::string& name) {
    const test::SampleItem sample = test::SampleItems()[0];
    const fs::path scene(WideFromUtf8(sample.document));
    const fs::path target = folder / WideFromUtf8(name);
    const std::wstring stem = WideFromUtf8(name);
    fs::create_directories(target);
    fs::copy(scene.parent_path(), target,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::rename(target / scene.filename(), target / (stem + L".tsd"));
    const auto copy = [&](const std::string& from, const wchar_t* suffix) {
        const fs::path source(WideFromUtf8(from));
        const fs::path to = target / (stem + suffix + source.extension().wstring());
        fs::copy_file(source, to, fs::copy_options::overwrite_existing);
        return Utf8FromWide(to.wstring());
    };
    return {name, Utf8FromWide((target / (stem + L".tsd")).wstring()),
            copy(sample.thumbnail, L"_thumb"), copy(sample.description, L"_desc")};
}

class LumoDlgTest : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = std::make_unique<CLumoDlg>(GetModuleHandleW(nullptr), messages_, chooser_);
        ASSERT_TRUE(dialog_->Create(false));
        folder_ = fs::path(WideFromUtf8(temp_.folder())) / L"展示 テスト";
        fs::create_directories(folder_);
    }

    HWND hwnd() const { return dialog_->hwnd(); }
    HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
    std::string Text(int id) const { return WindowText(Control(id)); }

    // Runs what is queued through the dialog's own loop step.
    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!dialog_->PreTranslateMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    void Drop(HWND target, const std::vector<std::string>& paths) {
        PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
        Pump();
    }
    void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    // Focus moves as with the Tab key, so a focused push button is the default one.
    void Key(int id, WPARAM key) {
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
        PostMessageW(Control(id), WM_KEYDOWN, key, 0);
        PostMessageW(Control(id), WM_KEYUP, key, 0);
        Pump();
    }
    // What the list box reports when the curator picks item index.
    void Select(int index) {
        ListBox_SetCurSel(Control(IDC_ENTRY_LIST), index);
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDC_ENTRY_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(IDC_ENTRY_LIST)));
    }
    std::vector<std::string> ListStems() const {
        std::vector<std::string> stems;
        HWND list = Control(IDC_ENTRY_LIST);
        for (int i = 0; i < ListBox_GetCount(list); ++i) {
            std::wstring text(static_cast<std::size_t>(ListBox_GetTextLen(list, i)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(ListBox_GetText(list, i, text.data())));
            stems.push_back(Stem(Utf8FromWide(text)));
        }
        return stems;
    }
    void AddItems(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            const test::SampleItem item = CopyItem(folder_, name);
            Drop(hwnd(), {item.document, item.thumbnail, item.description});
            Click(IDC_ADD);
        }
    }

    test::TempDir temp_;
    fs::path folder_;
    RecordingMessageBox messages_;
    ScriptedFolderChooser chooser_;
    std::unique_ptr<CLumoDlg> dialog_;
};

TEST_F(LumoDlgTest, DropOnTheDialogOrAnyControlFillsTheFields) {
    for (const int target : {0, IDC_DOCUMENT, IDC_COUNT, IDC_ENTRY_LIST, IDC_BUILD, IDC_DOWN}) {
        SCOPED_TRACE(target);
        const test::SampleItem item = CopyItem(folder_, "場面" + std::to_string(target));
        Drop(target == 0 ? hwnd() : Control(target),
             {item.description, item.document, item.thumbnail});
        EXPECT_EQ(Text(IDC_DOCUMENT), item.document);
        EXPECT_EQ(Text(IDC_THUMBNAIL), item.thumbnail);
        EXPECT_EQ(Text(IDC_DESCRIPTION), item.description);
        EXPECT_EQ(dialog_->model().browseStartPath(), item.document);
    }
    EXPECT_EQ(Text(IDC_COUNT), "");
    EXPECT_TRUE(messages_.calls.empty());
}

// Each button reaches its list operation (the operations themselves are the core's).
TEST_F(LumoDlgTest, ButtonsReachTheirListOperations) {
    AddItems({"a", "b", "c"});
    const std::pair<int, std::vector<std::string>> clicks[] = {
        {IDC_UP, {"a", "c", "b"}}, {IDC_DOWN, {"a", "b", "c"}}, {IDC_DELETE, {"a", "b"}}};
    for (const auto& [id, order] : clicks) {
        Click(id);
        EXPECT_EQ(ListStems(), order) << id;
        EXPECT_EQ(Stem(Text(IDC_DOCUMENT)), order[ListBox_GetCurSel(Control(IDC_ENTRY_LIST))]);
    }
    EXPECT_EQ(Text(IDC_COUNT), "2");
}

TEST_F(LumoDlgTest, EnterAndEscapeAreSwallowedArrowsSetTheFlag) {
    for (const int id : {IDC_DOCUMENT, IDC_ENTRY_LIST, IDC_ADD, IDC_BUILD, IDC_COUNT}) {
        for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
            SCOPED_TRACE(std::to_string(id) + " key " + std::to_string(key));
            Key(id, key);
            EXPECT_FALSE(dialog_->closed());
            // A focused button is not pressed either: both would speak up.
            EXPECT_TRUE(messages_.calls.empty());
            EXPECT_TRUE(chooser_.startPaths.empty());
        }
    }
    for (const auto& [id, key] : {std::pair{IDC_DOCUMENT, VK_LEFT},
                                  {IDC_ADD, VK_UP},
                                  {IDC_COUNT, VK_RIGHT},
                                  {IDC_BUILD, VK_DOWN}}) {
        SetUp();
        Key(id, key);
        EXPECT_TRUE(dialog_->model().arrowKeyPressed()) << id;
    }
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(dialog_->closed());
}

// A close sent from another thread (task managers, automation tools) is handled inside
// GetMessage, which then waits on: the loop must still end.
TEST_F(LumoDlgTest, CloseSentFromAnotherThreadEndsTheLoop) {
    std::atomic<bool> ended{false};
    std::thread closer([window = hwnd(), &ended] {
        Sleep(100);
        SendMessageW(window, WM_CLOSE, 0, 0);
        for (int waited = 0; waited < 3000 && !ended; waited += 10) {
            Sleep(10);
        }
        // Frees a loop that missed the close, so that the failure is reported.
        PostMessageW(window, WM_NULL, 0, 0);
    });
    const auto start = std::chrono::steady_clock::now();
    dialog_->RunModal();
    ended = true;
    closer.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(dialog_->closed());
}

TEST_F(LumoDlgTest, SelectionLoadsTheEntryWhenTheCursorIsOnItOrAfterAnArrowKey) {
    struct Row {
        const char* name;
        bool cursorOnItem;
        WPARAM arrowFirst;
        const char* shown;
    };
    const Row rows[] = {{"cursor on the item", true, 0, "a"},
                        {"cursor elsewhere", false, 0, "c"},
                        {"arrow key in an edit first", false, VK_LEFT, "a"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        AddItems({"a", "b", "c"});
        RECT item;
        ListBox_GetItemRect(Control(IDC_ENTRY_LIST), 0, &item);
        POINT at = row.cursorOnItem
                       ? POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2}
                       : POINT{item.right + 400, item.bottom + 400};
        ClientToScreen(Control(IDC_ENTRY_LIST), &at);
        SetCursorPos(at.x, at.y);
        if (row.arrowFirst != 0) {
            Key(IDC_DOCUMENT, row.arrowFirst);
        }
        Select(0);
        EXPECT_EQ(dialog_->model().selectedIndex(), 0);
        EXPECT_EQ(Stem(Text(IDC_DOCUMENT)), row.shown);
    }
}

// The drop reaches the dialog while staging copies (the build keeps messages flowing); it
// waits until the build is over, so its reload question follows the build's message.
TEST_F(LumoDlgTest, BuildWritesTheExhibitionAndADropDuringItWaits) {
    AddItems({"一"});
    const fs::path earlier = folder_ / L"以前";
    CopyItem(earlier, "00");
    test::WriteFile(earlier / L"exhibition.tsd", "");
    const fs::path show = folder_ / L"会場";
    fs::create_directories(show);
    chooser_.answers.push_back(Utf8FromWide(show.wstring()));
    PostMessageW(
        hwnd(), WM_DROPFILES,
        reinterpret_cast<WPARAM>(MakeDrop({Utf8FromWide((earlier / L"exhibition.tsd").wstring())})),
        0);

    Click(IDC_BUILD);

    EXPECT_EQ(messages_.texts(),
              (std::vector<std::string>{
                  "展示用tsdファイルを作成しました",
                  "以前作成された展示用tsdファイルが入力されました。\n読み込みますか？"}));
    EXPECT_TRUE(fs::exists(show / L"exhibition.tsd"));
    EXPECT_TRUE(fs::exists(show / L"00" / L"一.tsd"));
    EXPECT_EQ(chooser_.startPaths.size(), 1u);
    EXPECT_EQ(ListStems(), std::vector<std::string>{"00"});
}

// Clicks OK in the About box once it is up: the box runs its own modal loop, which
// dispatches this thread timer.
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND about = FindWindowW(L"#32770", L"バージョン情報 Lumo")) {
        KillTimer(nullptr, timer);
        PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
}

TEST_F(LumoDlgTest, SystemMenuEndsWithTheAboutEntryWhichOpensTheAboutBox) {
    HMENU menu = GetSystemMenu(hwnd(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &separator);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    wchar_t text[64] = L"";
    GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 64, MF_BYPOSITION);
    EXPECT_EQ(Utf8FromWide(text), "バージョン情報 Lumo(&A)...");

    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseAboutBox);
    SendMessageW(hwnd(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(FindWindowW(L"#32770", L"バージョン情報 Lumo"), nullptr);
}

TEST_F(LumoDlgTest, ControlsSitWhereTheTemplatePutsThem) {
    struct Placement {
        int id, x, y, width, height;
    };
    // Template order; labels have no identifier of their own.
    const Placement template102[] = {{IDC_DOCUMENT, 44, 5, 274, 12},
                                     {IDC_THUMBNAIL, 44, 18, 274, 12},
                                     {IDC_DESCRIPTION, 44, 32, 274, 12},
                                     {IDC_ENTRY_LIST, 60, 46, 258, 109},
                                     {IDC_DELETE, 6, 83, 36, 15},
                                     {IDC_ADD, 6, 57, 36, 15},
                                     {-1, 5, 5, 37, 13},
                                     {-1, 5, 19, 37, 13},
                                     {-1, 14, 33, 28, 13},
                                     {IDC_BUILD, 6, 140, 36, 15},
                                     {IDC_COUNT, 12, 122, 23, 14},
                                     {-1, 8, 111, 27, 10},
                                     {-1, 7, 158, 311, 12},
                                     {IDC_UP, 47, 46, 11, 37},
                                     {IDC_DOWN, 47, 118, 11, 37}};
    HWND child = GetWindow(hwnd(), GW_CHILD);
    for (const Placement& expected : template102) {
        ASSERT_NE(child, nullptr);
        SCOPED_TRACE(std::to_string(expected.x) + "," + std::to_string(expected.y));
        EXPECT_EQ(GetDlgCtrlID(child), expected.id);
        // The dialog manager maps the position and the size each on its own.
        RECT units{expected.x, expected.y, expected.width, expected.height};
        MapDialogRect(hwnd(), &units);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ((std::array{actual.left, actual.top, actual.right - actual.left,
                              actual.bottom - actual.top}),
                  (std::array{units.left, units.top, units.right, units.bottom}));
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
    RECT client;
    GetClientRect(hwnd(), &client);
    RECT size{0, 0, 324, 171};
    MapDialogRect(hwnd(), &size);
    EXPECT_TRUE(EqualRect(&client, &size));
    EXPECT_EQ(WindowText(hwnd()), " Lumo");
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_ACCEPTFILES),
              WS_EX_APPWINDOW | WS_EX_ACCEPTFILES);
}

TEST(WinFolderChooserTest, PickerOpensInTheFolderOfAFile) {
    test::TempDir temp;
    const std::string folder = temp.folder();
    const std::string file = folder + "場面.tsd";
    test::WriteFile(fs::path(WideFromUtf8(file)), "x");
    const std::pair<std::string, std::string> rows[] = {
        {file, folder}, {folder, folder}, {folder + "無い", folder + "無い"}, {"", ""}};
    for (const auto& [start, expected] : rows) {
        EXPECT_EQ(PickerStartFolder(start), expected) << start;
    }
}

} // namespace
} // namespace lumo
