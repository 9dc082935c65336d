#include "MainDialog.h"

#include "AboutDialog.h"
#include "DialogTemplate.h"
#include "DroppedFiles.h"
#include "WindowCentring.h"
#include "model/DialogInput.h"
#include "model/DialogLayout.h"
#include "platform/win/WidePath.h"

#include <shellapi.h>
#include <windowsx.h>

#include <exception>

namespace lumo::win {

namespace {

DialogKey KeyOf(WPARAM key) {
    switch (key) {
    case VK_RETURN:
        return DialogKey::Enter;
    case VK_ESCAPE:
        return DialogKey::Escape;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return DialogKey::Arrow;
    default:
        return DialogKey::Other;
    }
}

// The timer that writes the saved list once changes pause.
constexpr UINT_PTR kFlushTimer = 1;

} // namespace

MainDialog::MainDialog(HINSTANCE instance, IMessageBox& messages, IFolderChooser& chooser,
                       const std::string& savedListPath)
    : instance_(instance), messages_(messages), progress_([this] { PumpDuringBuild(); }),
      model_(*this, messages, chooser, savedListPath),
      previews_([this](HWND control, POINT client) { return PreviewTarget(control, client); }) {
    model_.SetProgressDisplay(&progress_);
    model_.SetFlushTimer([this](std::chrono::milliseconds delay) {
        SetTimer(hwnd_, kFlushTimer, static_cast<UINT>(delay.count()), nullptr);
    });
    icon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_LUMO), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                          LR_DEFAULTCOLOR));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_LUMO), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

MainDialog::~MainDialog() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
    for (HICON icon : {icon_, smallIcon_}) {
        if (icon) {
            DestroyIcon(icon);
        }
    }
}

bool MainDialog::Create(bool visible) {
    std::vector<BYTE> layout = LoadDialogTemplate(instance_, IDD_LUMO_DIALOG, visible);
    if (layout.empty()) {
        return false;
    }
    hwnd_ = CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(layout.data()),
                                       nullptr, &MainDialog::DialogProc,
                                       reinterpret_cast<LPARAM>(this));
    return hwnd_ != nullptr;
}

// The dialog's own modal loop, so that the key filter sees every message for the dialog
// and its controls before the dialog manager turns Enter and Escape into commands.
void MainDialog::RunModal() {
    if (!hwnd_ && !Create(true)) {
        return;
    }
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    MSG message;
    while (!closed_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            break;
        }
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

bool MainDialog::IsOwnWindow(HWND window) const {
    return hwnd_ && window && (window == hwnd_ || IsChild(hwnd_, window));
}

bool MainDialog::PreTranslateMessage(MSG& message) {
    if (!IsOwnWindow(message.hwnd)) {
        return false;
    }
    if (message.message == WM_KEYDOWN && SwallowKeyDown(model_, KeyOf(message.wParam))) {
        return true;
    }
    // A drop on a control belongs to the dialog, whichever window the shell addressed.
    if (message.message == WM_DROPFILES && message.hwnd != hwnd_) {
        message.hwnd = hwnd_;
        DispatchMessageW(&message);
        return true;
    }
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

INT_PTR CALLBACK MainDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* dialog = reinterpret_cast<MainDialog*>(lParam);
        dialog->hwnd_ = window;
        dialog->progress_.setOwner(window);
        // Before the template's visibility shows it, on the screen where it starts.
        CentreOverOwner(window, nullptr);
        dialog->OnInitDialog();
        return TRUE;
    }
    auto* dialog = reinterpret_cast<MainDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) {
        return FALSE;
    }
    // An exception must not unwind through the system's dispatch: it is reported and the
    // dialog stays open.
    try {
        return dialog->HandleMessage(message, wParam);
    } catch (const std::exception& error) {
        dialog->messages_.showError(error.what());
        return TRUE;
    }
}

INT_PTR MainDialog::HandleMessage(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            previews_.Hide();
        }
        return FALSE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            AboutDialog::DoModal(instance_, hwnd_);
            return TRUE;
        }
        return FALSE;
    case WM_PAINT:
        if (IsIconic(hwnd_)) {
            OnPaint();
            return TRUE;
        }
        return FALSE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(icon_);
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case WM_TIMER:
        if (wParam != kFlushTimer) {
            return FALSE;
        }
        KillTimer(hwnd_, kFlushTimer);
        model_.Flush();
        return TRUE;
    case WM_ENDSESSION:
        // Logout or shutdown: the list is written and kept, as after a crash.
        if (wParam) {
            model_.FlushNow();
        }
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    default:
        return FALSE;
    }
}

void MainDialog::OnInitDialog() {
    if (HMENU menu = GetSystemMenu(hwnd_, FALSE)) {
        const wchar_t* text = nullptr;
        const int length = LoadStringW(instance_, IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
        if (length > 0) {
            const std::wstring entry(text, static_cast<std::size_t>(length));
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, entry.c_str());
        }
    }
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    for (const int id : {IDC_ENTRY_LIST, IDC_THUMBNAIL, IDC_DESCRIPTION}) {
        previews_.Watch(Control(id));
    }
    model_.Initialise();
}

// The Enter key and the dialog manager's default command never reach here as IDOK or
// IDCANCEL: the key filter swallows them, and closing goes through WM_CLOSE.
bool MainDialog::OnCommand(int id, int code) {
    if (id == IDC_ENTRY_LIST) {
        if (code == LBN_SELCHANGE) {
            model_.LoadSelectedEntry();
            return true;
        }
        return false;
    }
    return code == BN_CLICKED && ClickButton(model_, id);
}

// Minimised, the dialog shows its icon centred in the client area.
void MainDialog::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    SendMessageW(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(hwnd_, &paint);
}

// The title bar's close button, the system menu and Alt+F4 end the dialog, unless the
// curator keeps it open rather than lose unbuilt items.
void MainDialog::OnClose() {
    if (closed_ || !model_.MayClose()) {
        return;
    }
    model_.Closed();
    closed_ = true;
    previews_.Hide();
    ShowWindow(hwnd_, SW_HIDE);
    // A close sent from another thread is handled inside GetMessage, which would go on
    // waiting: a posted message lets the loop see the flag.
    PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void MainDialog::OnDropFiles(HDROP drop) {
    previews_.Hide();
    const std::vector<std::string> paths = TakeDroppedFiles(drop);
    if (!paths.empty()) {
        model_.HandleDroppedFiles(paths);
    }
}

// Paints, posted messages (drops among them) and sent messages keep flowing while staging
// copies; the curator's keys and clicks wait until the build is over.
void MainDialog::PumpDuringBuild() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0,
                        PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Resting on an item of the list shows its thumbnail and description side by side;
// resting on the thumbnail or description field shows that image.
HoverTarget MainDialog::PreviewTarget(HWND control, POINT client) const {
    if (control == Control(IDC_ENTRY_LIST)) {
        const auto hit = static_cast<DWORD>(
            SendMessageW(control, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y)));
        const std::size_t index = LOWORD(hit);
        if (HIWORD(hit) != 0 || index >= model_.entries().size()) {
            return {};
        }
        const ExhibitionEntry& entry = model_.entries()[index];
        return {entry.documentPath, {entry.thumbnailPath, entry.descriptionPath}};
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    const std::string path = Utf8FromWide(text);
    return {path, {path}};
}

void MainDialog::setFieldText(Field field, const std::string& text) {
    SetDlgItemTextW(hwnd_, static_cast<int>(field), WideFromUtf8(text).c_str());
}

// Selecting an item by message sends no selection notification, so only the curator's
// own selection changes reach LoadSelectedEntry.
void MainDialog::clearList() {
    ListBox_ResetContent(Control(IDC_ENTRY_LIST));
}

void MainDialog::appendListItem(const std::string& text) {
    const std::wstring wide = WideFromUtf8(text);
    SendMessageW(Control(IDC_ENTRY_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void MainDialog::selectListItem(int index) {
    ListBox_SetCurSel(Control(IDC_ENTRY_LIST), index);
}

int MainDialog::selectedListItem() const {
    const int selected = ListBox_GetCurSel(Control(IDC_ENTRY_LIST));
    return selected == LB_ERR ? -1 : selected;
}

// Edges included: a point on the right or bottom edge of the item's rectangle counts.
bool MainDialog::cursorInListItem(int index) const {
    HWND list = Control(IDC_ENTRY_LIST);
    RECT item;
    POINT cursor;
    if (ListBox_GetItemRect(list, index, &item) == LB_ERR || !GetCursorPos(&cursor) ||
        !ScreenToClient(list, &cursor)) {
        return false;
    }
    return cursor.x >= item.left && cursor.x <= item.right && cursor.y >= item.top &&
           cursor.y <= item.bottom;
}

} // namespace lumo::win
