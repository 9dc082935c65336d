#include "ProgressDialog.h"

#include "ApplicationName.h"
#include "WindowCentring.h"
#include "platform/win/WidePath.h"

namespace lumo::win {

namespace {

constexpr ULONGLONG kSteps = 1000;

} // namespace

ProgressDialog::~ProgressDialog() {
    close();
}

void ProgressDialog::open() {
    // MinGW's headers give IProgressDialog no __uuidof, hence the explicit interface id.
    if (FAILED(CoCreateInstance(CLSID_ProgressDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IProgressDialog, reinterpret_cast<void**>(dialog_.out())))) {
        return;
    }
    dialog_->SetTitle(ApplicationName().c_str());
    ownerWasEnabled_ = IsWindowEnabled(owner_) != FALSE;
    if (FAILED(dialog_->StartProgressDialog(
            owner_, nullptr, PROGDLG_NORMAL | PROGDLG_MODAL | PROGDLG_NOCANCEL, nullptr))) {
        dialog_.reset();
        return;
    }
    // The shell places its dialog where it likes (some at the screen's corner).
    ComPointer<IOleWindow> window;
    HWND shown = nullptr;
    if (SUCCEEDED(
            dialog_->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(window.out()))) &&
        SUCCEEDED(window->GetWindow(&shown)) && shown) {
        CentreOverOwner(shown, owner_);
    }
}

void ProgressDialog::update(const ProgressText& text, double fraction) {
    if (!dialog_) {
        return;
    }
    dialog_->SetProgress64(static_cast<ULONGLONG>(fraction * kSteps), kSteps);
    dialog_->SetLine(1, WideFromUtf8(text.item).c_str(), FALSE, nullptr);
    // The shell shortens a long path in the middle so that the file name stays readable.
    dialog_->SetLine(2, WideFromUtf8(text.file).c_str(), TRUE, nullptr);
    dialog_->SetLine(3, WideFromUtf8(text.copied).c_str(), FALSE, nullptr);
}

void ProgressDialog::close() {
    if (dialog_) {
        dialog_->StopProgressDialog();
        dialog_.reset();
        // The modal display disables its owner, and not every implementation of it enables
        // the owner again when it stops (Wine's does not), and a disabled window takes no
        // input at all.
        if (ownerWasEnabled_) {
            EnableWindow(owner_, TRUE);
        }
    }
}

void ProgressDialog::processEvents() {
    if (processEvents_) {
        processEvents_();
    }
}

} // namespace lumo::win
