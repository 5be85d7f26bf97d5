// Dialogs on real windows: creation from the template resources, the routing
// of notifications to the message map, and the modal message loop with
// PreTranslateMessage.
#include <string>

#include "framework/dialog.h"
#include "res/templates.h"
#include "framework/ui.h"
#include "framework/win32/win.h"

namespace {
const char kDialogProp[] = "fw.CDialog";

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

void FillInitialLists(HWND dialog, int templateId) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassOf(child).c_str(), "ComboBox") != 0) continue;
    const char* const* items = fw::FindInitialList(templateId, GetDlgCtrlID(child));
    for (; items && *items; ++items) SendMessageA(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*items));
  }
}

// The notification of a WM_COMMAND, by the kind of control that sent it.
bool CommandNotify(HWND control, int code, Notify& notify) {
  std::string cls = ClassOf(control);
  if (lstrcmpiA(cls.c_str(), "Button") == 0 && code == BN_CLICKED) notify = Notify::Clicked;
  else if (lstrcmpiA(cls.c_str(), "Edit") == 0 && code == EN_KILLFOCUS) notify = Notify::KillFocus;
  else if (lstrcmpiA(cls.c_str(), "Edit") == 0 && code == EN_CHANGE) notify = Notify::EditChange;
  else if (lstrcmpiA(cls.c_str(), "ComboBox") == 0 && code == CBN_SELCHANGE) notify = Notify::SelChange;
  else return false;
  return true;
}

INT_PTR OnCommand(CDialog& dialog, WPARAM wParam, LPARAM lParam) {
  int id = LOWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  Notify notify;
  if (control && CommandNotify(control, HIWORD(wParam), notify) && dialog.Dispatch(notify, id)) return TRUE;
  // Enter and Escape as the dialog manager reports them (and buttons IDOK / IDCANCEL).
  if (id == IDOK && HIWORD(wParam) == BN_CLICKED) dialog.OnOK();
  else if (id == IDCANCEL && HIWORD(wParam) == BN_CLICKED) dialog.OnCancel();
  else return FALSE;
  return TRUE;
}

INT_PTR OnNotify(CDialog& dialog, const NMHDR& header) {
  if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return FALSE;
  NotifyResult result;
  dialog.m_pNotifyResult = &result;
  dialog.Dispatch(Notify::TabSelChange, static_cast<int>(header.idFrom));
  dialog.m_pNotifyResult = nullptr;
  SetWindowLongPtrA(dialog.m_hWnd ? static_cast<HWND>(dialog.m_hWnd) : nullptr, DWLP_MSGRESULT, result.value);
  return TRUE;
}

INT_PTR OnCtlColorStatic(CDialog& dialog, HDC dc, HWND control) {
  CWnd wnd;
  wnd.Attach(control);
  fw::Colour colour = 0;
  bool changed = dialog.OnCtlColor(wnd, colour);
  wnd.Detach();
  if (!changed) return FALSE;
  SetTextColor(dc, colour);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    SetPropA(window, kDialogProp, dialog);
    dialog->m_hWnd = window;
    FillInitialLists(window, dialog->GetTemplateId());
    return dialog->OnInitDialog() ? TRUE : FALSE;
  }
  CDialog* dialog = fw::win32::DialogOf(window);
  if (!dialog) return FALSE;
  switch (message) {
    case WM_COMMAND: return OnCommand(*dialog, wParam, lParam);
    case WM_NOTIFY: return OnNotify(*dialog, *reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(*dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE: dialog->OnClose(); return TRUE;
    case WM_PAINT:
      if (!IsIconic(window)) return FALSE;
      dialog->OnPaint();
      return TRUE;
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(dialog->OnQueryDragIcon());
    case WM_NCDESTROY:
      RemovePropA(window, kDialogProp);
      dialog->m_hWnd = nullptr;
      return FALSE;
    default: return FALSE;
  }
}

// PreTranslateMessage of every framework dialog from the message's window outwards.
bool PreTranslate(MSG& msg) {
  fw::Msg m{msg.hwnd, msg.message, msg.wParam, msg.lParam};
  for (HWND w = msg.hwnd; w; w = GetParent(w)) {
    if (CDialog* dialog = fw::win32::DialogOf(w); dialog && dialog->PreTranslateMessage(&m)) return true;
  }
  return false;
}

// Handles one queued message as the modal loop does.
void Handle(MSG& msg) {
  if (PreTranslate(msg)) return;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && fw::win32::DialogOf(root) && IsDialogMessageA(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}
}  // namespace

CDialog* fw::win32::DialogOf(HWND window) { return static_cast<CDialog*>(GetPropA(window, kDialogProp)); }

bool CDialog::Create(int templateId, CWnd* parent) {
  if (m_hWnd) return false;
  m_templateId = templateId;
  m_pParent = parent;
  m_ended = false;
  HWND owner = parent ? static_cast<HWND>(parent->m_hWnd) : nullptr;
  HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
  return window != nullptr;
}

void CDialog::DestroyWindow() {
  if (m_hWnd) ::DestroyWindow(static_cast<HWND>(m_hWnd));
  m_hWnd = nullptr;
}

void CDialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
  // Run inside a message sent from another thread or program, this returns into
  // GetMessage, which would wait for the next posted message before the loop
  // sees the end: one is posted, as the system's own EndDialog does.
  if (m_hWnd) PostMessageA(static_cast<HWND>(m_hWnd), WM_NULL, 0, 0);
}

int CDialog::DoModal() {
  if (!Create(m_templateId, m_pParent)) return -1;
  HWND window = static_cast<HWND>(m_hWnd);
  ShowWindow(fw::kSwShow);
  SetForegroundWindow(window);
  MSG msg;
  while (!m_ended) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    Handle(msg);
  }
  if (!m_ended) EndDialog(fw::kIdCancel);
  DestroyWindow();
  return m_result;
}

void fw::PumpWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Handle(msg);
  }
}
