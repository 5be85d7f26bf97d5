// The simulated user on real windows: the window messages a user's actions cause.
#include "framework/win32/win.h"
#include "framework/ui.h"
#include "support/ui_driver.h"

namespace ui {
namespace {
HWND Item(CDialog& dialog, int id) { return static_cast<HWND>(dialog.GetDlgItemHandle(id)); }
HWND Window(CDialog& dialog) { return static_cast<HWND>(dialog.m_hWnd); }
bool Usable(HWND w) { return w && IsWindowEnabled(w) && (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE); }
}  // namespace

void UseTestDialogs() {}   // linked into the test program as resources

bool Click(CDialog& dialog, int id) {
  HWND button = Item(dialog, id);
  if (!Usable(button)) return false;
  SendMessageA(button, BM_CLICK, 0, 0);
  fw::PumpWaitingMessages();
  return true;
}

bool Type(CDialog& dialog, int id, const std::string& text) {
  HWND edit = Item(dialog, id);
  if (!Usable(edit)) return false;
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  if (GetWindowTextLengthA(edit) > 0) SendMessageA(edit, WM_CHAR, VK_BACK, 1);   // the selection goes
  for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  fw::PumpWaitingMessages();
  return true;
}

void Focus(CDialog& dialog, int id) {
  SetFocus(Item(dialog, id));
  fw::PumpWaitingMessages();
}

bool ChooseItem(CDialog& dialog, int id, int index) {
  HWND combo = Item(dialog, id);
  if (!Usable(combo) || SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR) return false;
  SendMessageA(Window(dialog), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  fw::PumpWaitingMessages();
  return true;
}

bool ChooseTab(CDialog& dialog, int id, int index) {
  HWND tab = Item(dialog, id);
  if (!Usable(tab) || index < 0 || index >= SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)) return false;
  SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  NMHDR header{tab, static_cast<UINT_PTR>(id), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(Window(dialog), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
  fw::PumpWaitingMessages();
  return true;
}

void PressKey(CDialog& dialog, unsigned vk) {
  HWND target = GetFocus();
  if (!target) target = Window(dialog);
  PostMessageA(target, WM_KEYDOWN, vk, 1);
  PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
  fw::PumpWaitingMessages();
}

void CloseWindow(CDialog& dialog) {
  SendMessageA(Window(dialog), WM_CLOSE, 0, 0);
  fw::PumpWaitingMessages();
}

std::string TextOf(CDialog& dialog, int id) {
  CWnd control;
  control.Attach(Item(dialog, id));
  return control.GetWindowText().str();
}

bool IsEnabled(CDialog& dialog, int id) { return IsWindowEnabled(Item(dialog, id)) != FALSE; }

bool IsVisible(CDialog& dialog, int id) { return (GetWindowLongA(Item(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }

unsigned TextColourOf(CDialog& dialog, int id) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageA(Window(dialog), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Item(dialog, id)));
  unsigned colour = GetTextColor(dc);
  DeleteDC(dc);
  return colour;
}

IconHandle DragIconOf(CDialog& dialog) {
  return reinterpret_cast<IconHandle>(SendMessageA(Window(dialog), WM_QUERYDRAGICON, 0, 0));
}

}  // namespace ui
