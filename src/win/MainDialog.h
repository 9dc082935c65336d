#pragma once

#include "HoverPreviews.h"
#include "ProgressDialog.h"
#include "model/DialogControls.h"
#include "model/MainDialogModel.h"

#include <windows.h>

#include <string>
#include <vector>

namespace lumo::win {

// The main dialog, built from its template: a dialog procedure that implements the
// controls of the dialog's logic and routes each window message to one of its handlers.
// Messages and the folder choice go through the services it is given. Given a saved-list
// path, it keeps the list there between runs.
class MainDialog final : public IDialogControls {
public:
    MainDialog(HINSTANCE instance, IMessageBox& messages, IFolderChooser& chooser,
               const std::string& savedListPath = {});
    ~MainDialog() override;
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

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
    const HoverPreviews& previews() const { return previews_; }

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
    void OnClose();
    void PumpDuringBuild();
    HoverTarget PreviewTarget(HWND control, POINT client) const;
    bool IsOwnWindow(HWND window) const;
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

    HINSTANCE instance_;
    IMessageBox& messages_;
    ProgressDialog progress_;
    MainDialogModel model_;
    HoverPreviews previews_;
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool closed_ = false;
};

} // namespace lumo::win
