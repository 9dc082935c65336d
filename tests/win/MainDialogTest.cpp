#include "MainDialog.h"
#include "core/exhibition/TransactionFixture.h"
#include "model/ControlTable.h"
#include "platform/FileSystem.h"
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
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace lumo::win {
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

// One dialog from its template, hidden, with the files of its items in a folder of its own.
struct Window {
    Window() {
        dialog =
            std::make_unique<MainDialog>(GetModuleHandleW(nullptr), messages, chooser, SavedList());
        EXPECT_TRUE(dialog->Create(false));
        folder = fs::path(WideFromUtf8(temp.folder())) / L"展示 テスト";
        fs::create_directories(folder);
    }

    std::string SavedList() const { return temp / test::Native("state/saved-list.txt"); }
    bool Saved() const { return fs::exists(WideFromUtf8(SavedList())); }
    HWND hwnd() const { return dialog->hwnd(); }
    HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
    std::string Text(int id) const { return WindowText(Control(id)); }
    std::string Shown(int id) const { return Stem(Text(id)); }

    // Runs what is queued through the dialog's own loop step.
    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!dialog->PreTranslateMessage(message)) {
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
    // The middle of the first item of the list, in the list's client area.
    POINT FirstItem() const {
        RECT item;
        ListBox_GetItemRect(Control(IDC_ENTRY_LIST), 0, &item);
        return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    }
    // The mouse over the first item of the list, or far from it.
    void PointAtFirstItem(bool onIt) {
        POINT at = onIt ? FirstItem() : POINT{FirstItem().x + 400, FirstItem().y + 400};
        ClientToScreen(Control(IDC_ENTRY_LIST), &at);
        SetCursorPos(at.x, at.y);
    }
    // The cursor comes to at, in control id's client area, and rests there.
    void Rest(int id, POINT at) {
        POINT screen = at;
        ClientToScreen(Control(id), &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(Control(id), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        SendMessageW(Control(id), WM_MOUSEHOVER, 0, MAKELPARAM(at.x, at.y));
    }
    const PreviewPopup& Popup() const { return dialog->previews().popup(); }
    // What the list box reports when the curator picks item index.
    void Select(int index) {
        ListBox_SetCurSel(Control(IDC_ENTRY_LIST), index);
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDC_ENTRY_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(IDC_ENTRY_LIST)));
    }
    std::vector<std::string> Listed() const {
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
            const test::SampleItem item = CopyItem(folder, name);
            Drop(hwnd(), {item.document, item.thumbnail, item.description});
            Click(IDC_ADD);
        }
    }

    test::TempDir temp;
    fs::path folder;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    std::unique_ptr<MainDialog> dialog;
};

// Clicks OK in the About box once it is up: the box runs its own modal loop, which
// dispatches this thread timer.
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND about = FindWindowW(L"#32770", WideFromUtf8(IDD_ABOUTBOX_CAPTION).c_str())) {
        KillTimer(nullptr, timer);
        PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
}

// An event reaching the window, and what it must lead to.
struct Row {
    std::string name;
    std::function<void(Window&)> event;
    std::function<void(Window&)> effect;
};

std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (const int target : {0, IDC_DOCUMENT, IDC_COUNT, IDC_ENTRY_LIST, IDC_BUILD, IDC_DOWN}) {
        rows.push_back({"drop on control " + std::to_string(target) + " fills the fields",
                        [target](Window& w) {
                            const test::SampleItem item = CopyItem(w.folder, "場面");
                            w.Drop(target == 0 ? w.hwnd() : w.Control(target),
                                   {item.description, item.document, item.thumbnail});
                        },
                        [](Window& w) {
                            EXPECT_EQ(w.Shown(IDC_DOCUMENT), "場面");
                            EXPECT_EQ(w.Shown(IDC_THUMBNAIL), "場面_thumb");
                            EXPECT_EQ(w.Shown(IDC_DESCRIPTION), "場面_desc");
                            EXPECT_EQ(w.dialog->model().browseStartPath(), HomeFolder());
                            EXPECT_EQ(w.Text(IDC_COUNT), "0");
                        }});
    }
    rows.push_back({"▲ and 削除 reach their commands",
                    [](Window& w) {
                        w.AddItems({"a", "b", "c"});
                        w.Click(IDC_UP);
                        w.Click(IDC_DELETE);
                    },
                    [](Window& w) {
                        EXPECT_EQ(w.Listed(), (std::vector<std::string>{"a", "b"}));
                        EXPECT_EQ(w.Shown(IDC_DOCUMENT), "b");
                        EXPECT_EQ(w.Text(IDC_COUNT), "2");
                    }});
    for (const int id : {IDC_DOCUMENT, IDC_ENTRY_LIST, IDC_ADD, IDC_BUILD, IDC_COUNT}) {
        for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
            rows.push_back({"key " + std::to_string(key) + " in control " + std::to_string(id) +
                                " does nothing",
                            [id, key](Window& w) { w.Key(id, key); },
                            [](Window& w) {
                                EXPECT_FALSE(w.dialog->closed());
                                // A focused button is not pressed either: both would speak up.
                                EXPECT_TRUE(w.messages.calls.empty());
                                EXPECT_TRUE(w.chooser.startPaths.empty());
                            }});
        }
    }
    for (const auto& [id, key] : {std::pair{IDC_DOCUMENT, VK_LEFT},
                                  {IDC_ADD, VK_UP},
                                  {IDC_COUNT, VK_RIGHT},
                                  {IDC_BUILD, VK_DOWN}}) {
        rows.push_back({"arrow key " + std::to_string(key) + " in control " + std::to_string(id),
                        [id = id, key = key](Window& w) { w.Key(id, key); },
                        [](Window& w) { EXPECT_TRUE(w.dialog->model().arrowKeyPressed()); }});
    }
    // a, b, c are added and c is shown; then the first item is picked.
    const struct {
        const char* name;
        bool cursorOnItem;
        WPARAM arrowFirst;
        const char* shown;
    } picks[] = {{"a pick with the cursor on the item loads it", true, 0, "a"},
                 {"a pick with the cursor elsewhere does not", false, 0, "c"},
                 {"an arrow key in an edit first lets it load", false, VK_LEFT, "a"}};
    for (const auto& pick : picks) {
        rows.push_back({pick.name,
                        [pick](Window& w) {
                            w.AddItems({"a", "b", "c"});
                            w.PointAtFirstItem(pick.cursorOnItem);
                            if (pick.arrowFirst != 0) {
                                w.Key(IDC_DOCUMENT, pick.arrowFirst);
                            }
                            w.Select(0);
                        },
                        [pick](Window& w) {
                            EXPECT_EQ(w.dialog->model().selectedIndex(), 0);
                            EXPECT_EQ(w.Shown(IDC_DOCUMENT), pick.shown);
                        }});
    }
    // Resting on an item shows two previews, on a filled field one: squares side by side
    // under the path, each with its size below.
    const struct {
        const char* name;
        int id;
        int squares;
    } rests[] = {{"resting on an item shows its thumbnail and description", IDC_ENTRY_LIST, 2},
                 {"resting on the thumbnail field shows that image", IDC_THUMBNAIL, 1},
                 {"resting on the description field shows that image", IDC_DESCRIPTION, 1}};
    for (const auto& rest : rests) {
        rows.push_back(
            {rest.name,
             [rest](Window& w) {
                 w.AddItems({"a"});
                 w.Select(0);
                 w.Rest(rest.id, rest.id == IDC_ENTRY_LIST ? w.FirstItem() : POINT{4, 4});
             },
             [rest](Window& w) {
                 ASSERT_TRUE(w.Popup().visible());
                 HDC dc = GetDC(w.hwnd());
                 SelectObject(dc,
                              reinterpret_cast<HGDIOBJ>(SendMessageW(w.hwnd(), WM_GETFONT, 0, 0)));
                 TEXTMETRICW text{};
                 GetTextMetricsW(dc, &text);
                 ReleaseDC(w.hwnd(), dc);
                 RECT client;
                 GetClientRect(w.Popup().hwnd(), &client);
                 const int spacing = PreviewPopup::kSpacing;
                 EXPECT_GE(client.right, rest.squares * (kPreviewSide + spacing) + spacing);
                 EXPECT_EQ(client.bottom, kPreviewSide + 2 * text.tmHeight + 4 * spacing);
                 // Each square's middle shows its image, not the background.
                 UpdateWindow(w.Popup().hwnd());
                 HDC popup = GetDC(w.Popup().hwnd());
                 const int row = rest.squares * (kPreviewSide + spacing) - spacing;
                 for (int square = 0; square < rest.squares; ++square) {
                     EXPECT_NE(GetPixel(popup,
                                        (client.right - row + kPreviewSide) / 2 +
                                            square * (kPreviewSide + spacing),
                                        2 * spacing + text.tmHeight + kPreviewSide / 2),
                               GetSysColor(COLOR_INFOBK));
                 }
                 ReleaseDC(w.Popup().hwnd(), popup);
             }});
    }
    rows.push_back({"resting on an empty field shows nothing",
                    [](Window& w) {
                        w.Rest(IDC_THUMBNAIL, {4, 4});
                    },
                    [](Window& w) { EXPECT_FALSE(w.Popup().visible()); }});
    const std::pair<const char*, std::function<void(Window&)>> hides[] = {
        {"the cursor leaving",
         [](Window& w) { SendMessageW(w.Control(IDC_ENTRY_LIST), WM_MOUSELEAVE, 0, 0); }},
        {"a click",
         [](Window& w) {
             const LPARAM at = MAKELPARAM(w.FirstItem().x, w.FirstItem().y);
             SendMessageW(w.Control(IDC_ENTRY_LIST), WM_LBUTTONDOWN, MK_LBUTTON, at);
             SendMessageW(w.Control(IDC_ENTRY_LIST), WM_LBUTTONUP, 0, at);
         }},
        {"a drag",
         [](Window& w) {
             SendMessageW(w.Control(IDC_ENTRY_LIST), WM_MOUSEMOVE, MK_LBUTTON,
                          MAKELPARAM(w.FirstItem().x + 3, w.FirstItem().y));
         }},
        {"a move below the last item",
         [](Window& w) {
             RECT list;
             GetClientRect(w.Control(IDC_ENTRY_LIST), &list);
             SendMessageW(w.Control(IDC_ENTRY_LIST), WM_MOUSEMOVE, 0,
                          MAKELPARAM(4, list.bottom - 2));
         }},
        {"Lumo's window going inactive",
         [](Window& w) { SendMessageW(w.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0); }},
    };
    for (const auto& [name, hide] : hides) {
        rows.push_back({std::string(name) + " hides the preview",
                        [hide = hide](Window& w) {
                            w.AddItems({"a"});
                            w.Rest(IDC_ENTRY_LIST, w.FirstItem());
                            EXPECT_TRUE(w.Popup().visible());
                            hide(w);
                        },
                        [](Window& w) { EXPECT_FALSE(w.Popup().visible()); }});
    }
    // The drop reaches the dialog while staging copies (the build keeps messages flowing);
    // it waits until the build is over, so its reload question follows the build's message.
    rows.push_back(
        {"tsd 作成 builds while a drop waits",
         [](Window& w) {
             w.AddItems({"一"});
             const fs::path earlier = w.folder / L"以前";
             CopyItem(earlier, "00");
             test::WriteFile(earlier / L"exhibition.tsd", "");
             const fs::path show = w.folder / L"会場";
             fs::create_directories(show);
             w.chooser.answers.push_back(Utf8FromWide(show.wstring()));
             PostMessageW(w.hwnd(), WM_DROPFILES,
                          reinterpret_cast<WPARAM>(
                              MakeDrop({Utf8FromWide((earlier / L"exhibition.tsd").wstring())})),
                          0);
             w.Click(IDC_BUILD);
         },
         [](Window& w) {
             EXPECT_EQ(w.messages.texts(),
                       (std::vector<std::string>{
                           "展示用tsdファイルを作成しました",
                           "以前作成された展示用tsdファイルが入力されました。\n読み込みますか？\n"
                           "展示用tsdファイルに画像の記録がないため、番号付きフォルダの中身から"
                           "読み込みます。"}));
             EXPECT_TRUE(fs::exists(w.folder / L"会場" / L"exhibition.tsd"));
             EXPECT_TRUE(fs::exists(w.folder / L"会場" / L"00" / L"一.tsd"));
             EXPECT_EQ(w.Listed(), std::vector<std::string>{"00"});
         }});
    rows.push_back(
        {"the system menu's About entry opens the About box, OK closes it",
         [](Window& w) {
             const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseAboutBox);
             SendMessageW(w.hwnd(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
             KillTimer(nullptr, timer);
         },
         [](Window&) {
             EXPECT_EQ(FindWindowW(L"#32770", WideFromUtf8(IDD_ABOUTBOX_CAPTION).c_str()), nullptr);
         }});
    rows.push_back({"WM_CLOSE closes the dialog",
                    [](Window& w) {
                        PostMessageW(w.hwnd(), WM_CLOSE, 0, 0);
                        w.Pump();
                    },
                    [](Window& w) {
                        EXPECT_TRUE(w.dialog->closed());
                        EXPECT_TRUE(w.messages.calls.empty());
                    }});
    for (const bool yes : {true, false}) {
        rows.push_back({yes ? "WM_CLOSE with unbuilt items asks; Yes closes and forgets them"
                            : "WM_CLOSE with unbuilt items asks; No keeps the dialog",
                        [yes](Window& w) {
                            w.AddItems({"a"});
                            // The flush timer writes the list once the changes pause.
                            for (int waited = 0; waited < 3000 && !w.Saved(); waited += 20) {
                                Sleep(20);
                                w.Pump();
                            }
                            EXPECT_TRUE(w.Saved());
                            w.messages.answers = {yes};
                            PostMessageW(w.hwnd(), WM_CLOSE, 0, 0);
                            w.Pump();
                        },
                        [yes](Window& w) {
                            EXPECT_EQ(
                                w.messages.texts(),
                                std::vector<std::string>{
                                    "登録した内容はまだ展示になっていません。終了しますか？"});
                            EXPECT_EQ(w.dialog->closed(), yes);
                            EXPECT_EQ(w.Saved(), !yes);
                        }});
    }
    rows.push_back(
        {"a list kept at the end of the session comes back at the next start",
         [](Window& w) {
             w.AddItems({"a", "b"});
             SendMessageW(w.hwnd(), WM_ENDSESSION, TRUE, 0);
         },
         [](Window& w) {
             RecordingMessageBox messages;
             MainDialog next(GetModuleHandleW(nullptr), messages, w.chooser, w.SavedList());
             ASSERT_TRUE(next.Create(false));
             next.model().RestoreSavedList();
             EXPECT_EQ(messages.texts(),
                       std::vector<std::string>{"前回の登録内容が残っています。復元しますか？"});
             EXPECT_EQ(WindowText(GetDlgItem(next.hwnd(), IDC_COUNT)), "2");
             EXPECT_EQ(next.model().entries(), w.dialog->model().entries());
         }});
    rows.push_back(
        {"at start a build killed after its commit is finished and told; builds are recorded",
         [](Window& w) {
             const std::string state = w.temp / "state";
             const BuildRecords records(state);
             const test::ExhibitionFolders killed(1);
             test::KillAfterCommit(killed, records);
             w.dialog->model().SettleInterruptedBuilds(records);
             EXPECT_EQ(test::ReadFile(killed.show() + "\\exhibition.tsd"), "new document");
             const std::vector<RecordingMessageBox::Call> told = {
                 {RecordingMessageBox::Kind::Information,
                  "中断された作成を最後まで済ませました\n" + WithTrailingSeparator(killed.show())}};
             EXPECT_EQ(w.messages.calls, told);
             int recorded = 0;
             w.dialog->model().SetStagingObserver(
                 [&](const StagingStatus&) { recorded = test::RecordedBuilds(state); });
             w.AddItems({"a"});
             w.chooser.answers.push_back(Utf8FromWide((w.folder / L"show").wstring()));
             w.Click(IDC_BUILD);
             EXPECT_EQ(recorded, 1);
             EXPECT_EQ(test::RecordedBuilds(state), 0);
         },
         [](Window& w) { EXPECT_TRUE(fs::exists(w.folder / L"show" / L"exhibition.tsd")); }});
    return rows;
}

TEST(MainDialogTest, EventsReachTheModel) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.name);
        Window window;
        ASSERT_NE(window.hwnd(), nullptr);
        row.event(window);
        row.effect(window);
    }
}

// A close sent from another thread (task managers, automation tools) is handled inside
// GetMessage, which then waits on: the loop must still end.
TEST(MainDialogTest, CloseSentFromAnotherThreadEndsTheLoop) {
    Window window;
    std::atomic<bool> ended{false};
    std::thread closer([hwnd = window.hwnd(), &ended] {
        Sleep(100);
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        for (int waited = 0; waited < 3000 && !ended; waited += 10) {
            Sleep(10);
        }
        // Frees a loop that missed the close, so that the failure is reported.
        PostMessageW(hwnd, WM_NULL, 0, 0);
    });
    const auto start = std::chrono::steady_clock::now();
    window.dialog->RunModal();
    ended = true;
    closer.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(window.dialog->closed());
}

// The template, compiled from the resource script, holds the controls of the layout table
// in their order, with their identifiers, captions and places.
TEST(MainDialogTest, ControlsSitWhereTheLayoutPutsThem) {
    Window window;
    const HWND hwnd = window.hwnd();
    HWND child = GetWindow(hwnd, GW_CHILD);
    for (const DialogControl& expected : kMainDialogControls) {
        ASSERT_NE(child, nullptr);
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(GetDlgCtrlID(child), expected.id);
        if (expected.kind == ControlKind::Button || expected.kind == ControlKind::Label) {
            EXPECT_EQ(WindowText(child), expected.caption);
        }
        // The dialog manager maps the position and the size each on its own.
        RECT units{expected.rect.x, expected.rect.y, expected.rect.width, expected.rect.height};
        MapDialogRect(hwnd, &units);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ((std::array{actual.left, actual.top, actual.right - actual.left,
                              actual.bottom - actual.top}),
                  (std::array{units.left, units.top, units.right, units.bottom}));
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
    RECT client;
    GetClientRect(hwnd, &client);
    RECT size{0, 0, kMainDialogRect.width, kMainDialogRect.height};
    MapDialogRect(hwnd, &size);
    EXPECT_TRUE(EqualRect(&client, &size));
    EXPECT_EQ(WindowText(hwnd), " Lumo");
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_ACCEPTFILES),
              WS_EX_APPWINDOW | WS_EX_ACCEPTFILES);

    HMENU menu = GetSystemMenu(hwnd, FALSE);
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
}

} // namespace
} // namespace lumo::win
