// CWnd and the controls on real windows.
#include <vector>

#include "framework/win32/win.h"
#include "framework/wnd.h"

using fw::win32::H;

namespace {
CString TextOf(HWND window) {
  int length = GetWindowTextLengthA(window);
  if (length <= 0) return CString();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  int got = GetWindowTextA(window, buffer.data(), length + 1);
  return CString(buffer.data(), got);
}

LRESULT Send(WindowHandle window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return window ? SendMessageA(H(window), message, wParam, lParam) : 0;
}
}  // namespace

void CWnd::SetWindowText(const char* text) {
  if (m_hWnd) SetWindowTextA(H(m_hWnd), text ? text : "");
}

CString CWnd::GetWindowText() const { return m_hWnd ? TextOf(H(m_hWnd)) : CString(); }

int CWnd::GetDlgCtrlID() const { return m_hWnd ? ::GetDlgCtrlID(H(m_hWnd)) : 0; }

bool CWnd::EnableWindow(bool enable) { return m_hWnd && ::EnableWindow(H(m_hWnd), enable ? TRUE : FALSE); }

bool CWnd::IsWindowEnabled() const { return m_hWnd && ::IsWindowEnabled(H(m_hWnd)); }

void CWnd::ShowWindow(int command) {
  if (m_hWnd) ::ShowWindow(H(m_hWnd), command);
}

bool CWnd::IsWindowVisible() const {
  return m_hWnd && (GetWindowLongA(H(m_hWnd), GWL_STYLE) & WS_VISIBLE) != 0;
}

void CWnd::SetFocus() {
  if (m_hWnd) ::SetFocus(H(m_hWnd));
}

bool CWnd::HasFocus() const { return m_hWnd && ::GetFocus() == H(m_hWnd); }

void CWnd::MoveTo(int x, int y) {
  if (m_hWnd) SetWindowPos(H(m_hWnd), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::RedrawNow() {
  if (m_hWnd) RedrawWindow(H(m_hWnd), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CWnd::SetIcon(IconHandle icon, bool big) {
  Send(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

bool CWnd::IsIconic() const { return m_hWnd && ::IsIconic(H(m_hWnd)); }

void CWnd::PaintIconCentred(IconHandle icon) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(H(m_hWnd), &ps);
  SendMessageA(H(m_hWnd), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(H(m_hWnd), &client);
  int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, static_cast<HICON>(icon));
  EndPaint(H(m_hWnd), &ps);
}

WindowHandle CWnd::GetDlgItemHandle(int id) const { return m_hWnd ? ::GetDlgItem(H(m_hWnd), id) : nullptr; }

void CEdit::SetLimitText(int limit) { Send(m_hWnd, EM_SETLIMITTEXT, static_cast<WPARAM>(limit)); }


int CComboBox::AddString(const char* text) {
  return static_cast<int>(Send(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

void CComboBox::ResetContent() { Send(m_hWnd, CB_RESETCONTENT); }

int CComboBox::GetCount() const { return m_hWnd ? static_cast<int>(Send(m_hWnd, CB_GETCOUNT)) : fw::kCbErr; }

int CComboBox::GetCurSel() const { return m_hWnd ? static_cast<int>(Send(m_hWnd, CB_GETCURSEL)) : fw::kCbErr; }

int CComboBox::SetCurSel(int index) {
  if (!m_hWnd) return fw::kCbErr;
  if (index < 0 || index >= GetCount()) {
    // The control keeps its old selection for an index beyond the list: remove it explicitly.
    Send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(-1));
    return fw::kCbErr;
  }
  return static_cast<int>(Send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index)));
}

void CComboBox::GetLBText(int index, CString& text) const {
  LRESULT length = Send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (!m_hWnd || length == CB_ERR) {
    text.Empty();
    return;
  }
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  Send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  text = CString(buffer.data());
}

int CTabCtrl::InsertItem(int index, const char* text) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text ? text : "");
  return static_cast<int>(Send(m_hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(Send(m_hWnd, TCM_GETITEMCOUNT)); }

CString CTabCtrl::GetItemText(int index) const {
  char buffer[256] = "";
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  if (!Send(m_hWnd, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return CString();
  return CString(buffer);
}

int CTabCtrl::GetCurSel() const { return m_hWnd ? static_cast<int>(Send(m_hWnd, TCM_GETCURSEL)) : -1; }

int CTabCtrl::SetCurSel(int index) { return m_hWnd ? static_cast<int>(Send(m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(index))) : -1; }

bool CDateTimeCtrl::GetTime(fw::DateTime& value) const {
  SYSTEMTIME st{};
  if (!m_hWnd || Send(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) return false;
  value = fw::DateTime{st.wYear, st.wMonth, st.wDayOfWeek, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
  return true;
}

bool CDateTimeCtrl::SetTime(const fw::DateTime& value) {
  if (!m_hWnd || !fw::IsValidDateTime(value)) return false;
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(value.year);
  st.wMonth = static_cast<WORD>(value.month);
  st.wDayOfWeek = static_cast<WORD>(value.dayOfWeek);
  st.wDay = static_cast<WORD>(value.day);
  st.wHour = static_cast<WORD>(value.hour);
  st.wMinute = static_cast<WORD>(value.minute);
  st.wSecond = static_cast<WORD>(value.second);
  st.wMilliseconds = static_cast<WORD>(value.millisecond);
  return Send(m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)) != 0;
}
