// <windows.h> for the Win32 back end, without the macros whose names the
// framework's classes use for their own members.
#pragma once
#ifndef WINVER
#define WINVER 0x0501
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0600
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#undef MessageBox
#undef GetWindowText
#undef SetWindowText
#undef LoadIcon
#undef GetObject

#include "framework/dialog.h"

namespace fw::win32 {

inline HWND H(WindowHandle handle) { return static_cast<HWND>(handle); }

// The dialog object of a dialog window created by the framework, or null.
CDialog* DialogOf(HWND window);

}  // namespace fw::win32
