#include "StagingProgress.h"

#include "ApplicationName.h"
#include "platform/win/WidePath.h"

#include <shlwapi.h>

#include <algorithm>

namespace lumo {

namespace {

constexpr std::chrono::milliseconds kShowAfter{500};

std::wstring ItemLine(const StagingStatus& status) {
    const std::size_t shown = std::min(status.item + 1, status.itemCount);
    return std::to_wstring(shown) + L" / " + std::to_wstring(status.itemCount) +
           L" 件目をコピーしています";
}

std::wstring BytesLine(const StagingStatus& status) {
    wchar_t size[64] = L"";
    StrFormatByteSizeW(static_cast<LONGLONG>(status.bytesCopied), size, 64);
    return std::wstring(size) + L" コピー済み";
}

} // namespace

StagingProgress::~StagingProgress() {
    finish();
}

bool StagingProgress::Start() {
    // MinGW's headers give IProgressDialog no __uuidof, hence the explicit interface id.
    if (FAILED(CoCreateInstance(CLSID_ProgressDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IProgressDialog, reinterpret_cast<void**>(dialog_.out())))) {
        return false;
    }
    dialog_->SetTitle(ApplicationName().c_str());
    ownerWasEnabled_ = IsWindowEnabled(owner_) != FALSE;
    if (FAILED(dialog_->StartProgressDialog(
            owner_, nullptr, PROGDLG_NORMAL | PROGDLG_MODAL | PROGDLG_NOCANCEL, nullptr))) {
        dialog_.reset();
        return false;
    }
    return true;
}

void StagingProgress::report(const StagingStatus& status) {
    const auto now = std::chrono::steady_clock::now();
    if (!clockStarted_) {
        clockStarted_ = true;
        started_ = now;
    }
    if (!dialog_ && !unavailable_ && now - started_ >= kShowAfter) {
        // Without the shell's dialog the build goes on without a display.
        unavailable_ = !Start();
    }
    if (!dialog_) {
        return;
    }
    dialog_->SetProgress64(std::min(status.item, status.itemCount), status.itemCount);
    dialog_->SetLine(1, ItemLine(status).c_str(), FALSE, nullptr);
    // The shell shortens a long path in the middle so that the file name stays readable.
    dialog_->SetLine(2, WideFromUtf8(status.file).c_str(), TRUE, nullptr);
    dialog_->SetLine(3, BytesLine(status).c_str(), FALSE, nullptr);
}

void StagingProgress::finish() {
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

} // namespace lumo
