#include "Application.h"

#include "FolderDialog.h"
#include "MainDialog.h"
#include "MessageBoxes.h"
#include "model/SavedListFile.h"

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
        MainDialog dialog(instance_, messages, chooser, SavedListPath());
        if (dialog.Create(true)) {
            messages.setOwner(dialog.hwnd());
            chooser.setOwner(dialog.hwnd());
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
