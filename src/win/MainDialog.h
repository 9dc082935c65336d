#pragma once

#include "model/DialogControls.h"
#include "model/MainDialogModel.h"
#include "platform/ProgressClosingMessageBox.h"

#include <windows.h>

#include <string>
#include <vector>

namespace lumo {

class StagingProgress;

// The main dialog, built from template 102: a dialog procedure that implements the
// controls of the dialog's logic and routes each window message to one of its handlers.
// Messages and the folder choice go through the services it is given.
class CLumoDlg final : public IDialogControls {
public:
    CLumoDlg(HINSTANCE instance, IMessageBox& messages, IFolderChooser& chooser);
    ~CLumoDlg() override;
    CLumoDlg(const CLumoDlg&) = delete;
    CLumoDlg& operator=(const CLumoDlg&) = delete;

    // Creates the dialog window; hidden, it takes messages but shows nothing.
    bool Create(bool visible);
    // Shows the dialog and runs its message loop until the curator closes it.
    void RunModal();
    // The key filter and the dialog's keyboard handling for one message about to be
    // dispatched; true when the message was consumed.
    bool PreTranslateMessage(MSG& message);

    HWND hwnd() const { return hwnd_; }
    bool closed() const { return closed_; }
    MainDialogModel& model() { return model_; }

    void setFieldText(Field field, const std::string& text) override;
    void clearList() override;
    void appendListItem(const std::string& text) override;
    void selectListItem(int index) override;
    int selectedListItem() const override;
    bool cursorInListItem(int index) const override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam);
    void OnInitDialog();
    bool OnCommand(int id, int code);
    void OnPaint();
    void OnDropFiles(HDROP drop);
    void BuildExhibition();
    void PumpDuringBuild();
    bool IsOwnWindow(HWND window) const;
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

    HINSTANCE instance_;
    StagingProgress* progress_ = nullptr;
    ProgressClosingMessageBox messages_;
    MainDialogModel model_;
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool closed_ = false;
};

} // namespace lumo
