#pragma once

// Identifiers shared by the resource script and the window's code.

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LUMO_DIALOG 102
#define IDI_LUMO 128

// The About entry appended to the system menu; system commands keep their low four bits
// for the system, so the entry's identifier has them clear.
#define IDM_ABOUTBOX 0x0010

#define IDC_DOCUMENT 1001
#define IDC_THUMBNAIL 1002
#define IDC_DESCRIPTION 1003
#define IDC_ENTRY_LIST 1004
#define IDC_DELETE 1005
#define IDC_ADD 1006
#define IDC_BUILD 1007
#define IDC_COUNT 1008
#define IDC_UP 1010
#define IDC_DOWN 1011
#define IDC_ABOUT_VERSION 1012
