#include "Application.h"

#include "FolderDialog.h"
#include "MainDialog.h"
#include "MessageBoxes.h"
#include "exhibition/BuildRecords.h"
#include "model/SavedListFile.h"
#include "platform/FileSystem.h"

#include <commctrl.h>
#include <objbase.h>

namespace lumo::win {

int Application::Run() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The folder picker and the progress dialog are COM objects of the shell.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int result = 1;
    {
        MessageBoxes messages;
        FolderDialog chooser;
        const BuildRecords records(UserStateFolder());
        MainDialog dialog(instance_, messages, chooser, SavedListPath());
        if (dialog.Create(false)) {
            messages.setOwner(dialog.hwnd());
            chooser.setOwner(dialog.hwnd());
            dialog.model().SettleInterruptedBuilds(records);
            ShowWindow(dialog.hwnd(), SW_SHOW);
            dialog.model().RestoreSavedList();
            dialog.RunModal();
            result = 0;
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return result;
}

} // namespace lumo::win
