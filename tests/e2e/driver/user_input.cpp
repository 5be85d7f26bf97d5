#include "user_input.h"

void PostClick(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(control, WM_LBUTTONUP, 0, at);
}

void PostKey(HWND control, UINT vk) {
  UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
  PostMessageW(control, WM_KEYDOWN, vk, 1 | (scan << 16));
  PostMessageW(control, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
}

void PostChars(HWND control, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}

void PostPress(HWND button) {
  // Sent, not posted, so that the click is handled before any later message of
  // the driver; without waiting for it, since the tool's handler may run on (a
  // sequence, a message box). Not with a time limit either: Wine drops a sent
  // message that the busy tool has not taken when the limit runs out.
  SendNotifyMessageW(button, BM_CLICK, 0, 0);
}

bool ChooseListItem(HWND combo, const std::wstring& text) {
  DWORD_PTR index = 0;
  if (!SendMessageTimeoutW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()),
                           SMTO_NORMAL, 5000, &index) ||
      static_cast<LRESULT>(index) == CB_ERR)
    return false;
  PostMessageW(combo, CB_SETCURSEL, index, 0);
  PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  return true;
}
