// Resource ids of the program: icon, dialog templates and their controls.
// A control id can occur on several templates (1129 is a list on three of them).
#pragma once

#define IDR_MAINFRAME               128

#define IDD_TAVO_DIALOG             102
#define IDD_USER1                   140
#define IDD_USER2                   141
#define IDD_MAKER1                  142
#define IDD_MAKER2                  145

// Main dialog (template 102)
#define IDC_BUTTON_CONNECT          1013
#define IDC_BUTTON_EXIT             1014
#define IDC_BUTTON_READ             1125
#define IDC_BUTTON_SET              1126
#define IDC_TAB                     1128
#define IDC_COMBO_PORT              1129
#define IDC_BUTTON_INIT             1131
#define IDC_STATIC_STATUS           1132

// Maker page 1 (template 142)
#define IDC_EDIT_HUMIDITY_LIMIT     1090
#define IDC_COMBO_MODEL             1129

// Every page: the invisible static with the page's name
#define IDC_STATIC_PAGENAME         1000

#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif
