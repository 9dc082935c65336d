#include "model/DialogInput.h"

#include "model/DialogLayout.h"

namespace lumo {

bool SwallowKeyDown(MainDialogModel& model, DialogKey key) {
    switch (key) {
    case DialogKey::Enter:
    case DialogKey::Escape:
        return true;
    case DialogKey::Arrow:
        model.SetArrowKeyPressed();
        return false;
    case DialogKey::Other:
        return false;
    }
    return false;
}

bool ClickButton(MainDialogModel& model, int id) {
    switch (id) {
    case IDC_ADD:
        model.AddCurrentEntry();
        return true;
    case IDC_DELETE:
        model.DeleteSelectedEntry();
        return true;
    case IDC_UP:
        model.MoveSelectedEntryUp();
        return true;
    case IDC_DOWN:
        model.MoveSelectedEntryDown();
        return true;
    case IDC_BUILD:
        model.BuildExhibition();
        return true;
    default:
        return false;
    }
}

} // namespace lumo
