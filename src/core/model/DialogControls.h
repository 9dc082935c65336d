#pragma once

#include "model/DialogLayout.h"

#include <string>

namespace lumo {

// The edit fields of the main dialog, by their control identifiers.
enum class Field {
    Document = IDC_DOCUMENT,
    Thumbnail = IDC_THUMBNAIL,
    Description = IDC_DESCRIPTION,
    Count = IDC_COUNT
};

// The controls the dialog's logic writes to and reads from. The window implements it with
// widgets; tests record every call.
class IDialogControls {
public:
    virtual ~IDialogControls() = default;

    virtual void setFieldText(Field field, const std::string& text) = 0;

    // The entry list box.
    virtual void clearList() = 0;
    virtual void appendListItem(const std::string& text) = 0;
    // Makes item index the single selection; -1 leaves nothing selected.
    virtual void selectListItem(int index) = 0;
    // The highlighted item, -1 when none.
    virtual int selectedListItem() const = 0;
    // Whether the mouse cursor lies in item index's rectangle, edges included.
    virtual bool cursorInListItem(int index) const = 0;
};

} // namespace lumo
