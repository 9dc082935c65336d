#pragma once

#include "model/DialogLayout.h"

namespace lumo {

// A rectangle in dialog units: a horizontal unit is a quarter of the dialog font's average
// character width, a vertical unit an eighth of its height.
struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

enum class ControlKind { Edit, ListBox, Button, Label };

// Where a control's text sits: labels beside the fields are centred on them vertically.
enum class TextAlign { Left, Right, RightCentred };

// The identifier of a label, which no code addresses.
inline constexpr int kNoControlId = -1;

struct DialogControl {
    ControlKind kind;
    int id;
    const char* caption;
    DialogRect rect;
    TextAlign align;
};

// The main dialog's controls in tab order, as the resource script lists them.
inline constexpr DialogControl kMainDialogControls[] = {
    {ControlKind::Edit, IDC_DOCUMENT, "", {IDC_DOCUMENT_RECT}, TextAlign::Right},
    {ControlKind::Edit, IDC_THUMBNAIL, "", {IDC_THUMBNAIL_RECT}, TextAlign::Right},
    {ControlKind::Edit, IDC_DESCRIPTION, "", {IDC_DESCRIPTION_RECT}, TextAlign::Right},
    {ControlKind::ListBox, IDC_ENTRY_LIST, "", {IDC_ENTRY_LIST_RECT}, TextAlign::Right},
    {ControlKind::Button, IDC_DELETE, IDC_DELETE_CAPTION, {IDC_DELETE_RECT}, TextAlign::Left},
    {ControlKind::Button, IDC_ADD, IDC_ADD_CAPTION, {IDC_ADD_RECT}, TextAlign::Left},
    {ControlKind::Label,
     kNoControlId,
     LABEL_DOCUMENT_CAPTION,
     {LABEL_DOCUMENT_RECT},
     TextAlign::RightCentred},
    {ControlKind::Label,
     kNoControlId,
     LABEL_THUMBNAIL_CAPTION,
     {LABEL_THUMBNAIL_RECT},
     TextAlign::RightCentred},
    {ControlKind::Label,
     kNoControlId,
     LABEL_DESCRIPTION_CAPTION,
     {LABEL_DESCRIPTION_RECT},
     TextAlign::RightCentred},
    {ControlKind::Button, IDC_BUILD, IDC_BUILD_CAPTION, {IDC_BUILD_RECT}, TextAlign::Left},
    {ControlKind::Edit, IDC_COUNT, "", {IDC_COUNT_RECT}, TextAlign::Left},
    {ControlKind::Label, kNoControlId, LABEL_COUNT_CAPTION, {LABEL_COUNT_RECT}, TextAlign::Right},
    {ControlKind::Label, kNoControlId, LABEL_HINT_CAPTION, {LABEL_HINT_RECT}, TextAlign::Left},
    {ControlKind::Button, IDC_UP, IDC_UP_CAPTION, {IDC_UP_RECT}, TextAlign::Left},
    {ControlKind::Button, IDC_DOWN, IDC_DOWN_CAPTION, {IDC_DOWN_RECT}, TextAlign::Left},
};

inline constexpr DialogRect kMainDialogRect = {0, 0, IDD_LUMO_DIALOG_SIZE};
inline constexpr DialogRect kAboutBoxRect = {0, 0, IDD_ABOUTBOX_SIZE};

} // namespace lumo
