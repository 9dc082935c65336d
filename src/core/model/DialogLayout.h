#pragma once

// The window's two dialogs, described once: resource and control identifiers, captions,
// fonts and positions in dialog units (x, y, width, height). Plain macros, so that the
// Windows resource script includes this file as the C++ code of both windows does.

// Resources.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LUMO_DIALOG 102
#define IDI_LUMO 128

// The About entry of the system menu (and of the right-click menu where there is no system
// menu). System commands keep their low four bits for the system, so the entry's
// identifier has them clear.
#define IDM_ABOUTBOX 0x0010
#define IDS_ABOUTBOX_TEXT "バージョン情報 Lumo(&A)..."

#define DIALOG_FONT_FACE "MS UI Gothic"

// The main dialog, its controls in tab order. Labels have no identifier.
#define IDD_LUMO_DIALOG_CAPTION " Lumo"
#define IDD_LUMO_DIALOG_SIZE 324, 171
#define IDD_LUMO_DIALOG_FONT_POINTS 14

#define IDC_DOCUMENT 1001
#define IDC_DOCUMENT_RECT 44, 5, 274, 12
#define IDC_THUMBNAIL 1002
#define IDC_THUMBNAIL_RECT 44, 18, 274, 12
#define IDC_DESCRIPTION 1003
#define IDC_DESCRIPTION_RECT 44, 32, 274, 12
#define IDC_ENTRY_LIST 1004
#define IDC_ENTRY_LIST_RECT 60, 46, 258, 109
#define IDC_DELETE 1005
#define IDC_DELETE_CAPTION "削除"
#define IDC_DELETE_RECT 6, 83, 36, 15
#define IDC_ADD 1006
#define IDC_ADD_CAPTION "追加"
#define IDC_ADD_RECT 6, 57, 36, 15
#define LABEL_DOCUMENT_CAPTION "tsdファイル"
#define LABEL_DOCUMENT_RECT 5, 5, 37, 13
#define LABEL_THUMBNAIL_CAPTION "サムネイル"
#define LABEL_THUMBNAIL_RECT 5, 19, 37, 13
#define LABEL_DESCRIPTION_CAPTION "説明"
#define LABEL_DESCRIPTION_RECT 14, 33, 28, 13
#define IDC_BUILD 1007
#define IDC_BUILD_CAPTION "tsd 作成"
#define IDC_BUILD_RECT 6, 140, 36, 15
#define IDC_COUNT 1008
#define IDC_COUNT_RECT 12, 122, 23, 14
#define LABEL_COUNT_CAPTION "登録数"
#define LABEL_COUNT_RECT 8, 111, 27, 10
// One literal: the resource script would not join two.
// clang-format off
#define LABEL_HINT_CAPTION "exhibition.tsd をドラッグすることで以前作成された展示用tsdファイルの内容を読み込むことができます"
// clang-format on
#define LABEL_HINT_RECT 7, 158, 311, 12
#define IDC_UP 1010
#define IDC_UP_CAPTION "▲"
#define IDC_UP_RECT 47, 46, 11, 37
#define IDC_DOWN 1011
#define IDC_DOWN_CAPTION "▼"
#define IDC_DOWN_RECT 47, 118, 11, 37

// The About box: the application's icon, its name and version, and OK (the identifier the
// dialog manager gives the OK button).
#define IDD_ABOUTBOX_CAPTION "バージョン情報 Lumo"
#define IDD_ABOUTBOX_SIZE 170, 62
#define IDD_ABOUTBOX_FONT_POINTS 9
#define IDC_ABOUT_ICON_RECT 14, 14, 21, 20
#define IDC_ABOUT_VERSION 1012
#define IDC_ABOUT_VERSION_RECT 42, 14, 114, 8
#define IDC_ABOUT_OK 1
#define IDC_ABOUT_OK_CAPTION "OK"
#define IDC_ABOUT_OK_RECT 113, 41, 50, 14
