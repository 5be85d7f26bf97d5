// CWnd and the controls on in-memory windows.
#include <algorithm>

#include "framework/headless/window.h"
#include "framework/wnd.h"

using fw::headless::FromHandle;
using fw::headless::Window;

void CWnd::SetWindowText(const char* text) { fw::headless::SetText(FromHandle(m_hWnd), text ? text : ""); }

CString CWnd::GetWindowText() const {
  Window* w = FromHandle(m_hWnd);
  if (!w) return CString();
  if (w->Is("SysDateTimePick32")) return CString(fw::headless::PickerText(*w));
  if (w->Is("ComboBox")) {
    return w->selection >= 0 ? CString(w->items[static_cast<size_t>(w->selection)]) : CString();
  }
  return CString(w->text);
}

int CWnd::GetDlgCtrlID() const {
  Window* w = FromHandle(m_hWnd);
  return w ? w->id : 0;
}

bool CWnd::EnableWindow(bool enable) {
  Window* w = FromHandle(m_hWnd);
  if (!w) return false;
  bool wasDisabled = !w->enabled;
  w->enabled = enable;
  if (!enable && fw::headless::Focus() == w) fw::headless::SetFocus(nullptr);
  return wasDisabled;
}

bool CWnd::IsWindowEnabled() const {
  Window* w = FromHandle(m_hWnd);
  return w && w->enabled;
}

void CWnd::ShowWindow(int command) {
  if (Window* w = FromHandle(m_hWnd)) w->visible = command != fw::kSwHide;
}

bool CWnd::IsWindowVisible() const {
  Window* w = FromHandle(m_hWnd);
  return w && w->visible;
}

void CWnd::SetFocus() { fw::headless::SetFocus(FromHandle(m_hWnd)); }

bool CWnd::HasFocus() const { return m_hWnd && fw::headless::Focus() == FromHandle(m_hWnd); }

void CWnd::MoveTo(int x, int y) {
  if (Window* w = FromHandle(m_hWnd)) {
    w->x = x;
    w->y = y;
  }
}

void CWnd::RedrawNow() {}

void CWnd::SetIcon(IconHandle icon, bool big) {
  if (Window* w = FromHandle(m_hWnd)) w->icons[big ? 0 : 1] = icon;
}

bool CWnd::IsIconic() const { return false; }

void CWnd::PaintIconCentred(IconHandle) {}

WindowHandle CWnd::GetDlgItemHandle(int id) const {
  Window* w = FromHandle(m_hWnd);
  return w ? w->Child(id) : nullptr;
}

void CEdit::SetLimitText(int limit) {
  if (Window* w = FromHandle(m_hWnd)) w->limit = limit <= 0 ? 0x7FFFFFFE : limit;
}


int CComboBox::AddString(const char* text) {
  Window* w = FromHandle(m_hWnd);
  if (!w) return fw::kCbErr;
  std::string item = text ? text : "";
  auto at = w->items.end();
  if (w->style & fw::headless::kCbsSort) {
    at = std::upper_bound(w->items.begin(), w->items.end(), item, fw::headless::SortsBefore);
  }
  int index = static_cast<int>(at - w->items.begin());
  w->items.insert(at, item);
  if (w->selection >= index) ++w->selection;
  return index;
}

void CComboBox::ResetContent() {
  if (Window* w = FromHandle(m_hWnd)) {
    w->items.clear();
    w->selection = -1;
  }
}

int CComboBox::GetCount() const {
  Window* w = FromHandle(m_hWnd);
  return w ? static_cast<int>(w->items.size()) : fw::kCbErr;
}

int CComboBox::GetCurSel() const {
  Window* w = FromHandle(m_hWnd);
  return w ? w->selection : fw::kCbErr;
}

int CComboBox::SetCurSel(int index) {
  Window* w = FromHandle(m_hWnd);
  if (!w) return fw::kCbErr;
  bool inRange = index >= 0 && index < static_cast<int>(w->items.size());
  w->selection = inRange ? index : -1;
  return inRange ? index : fw::kCbErr;
}

void CComboBox::GetLBText(int index, CString& text) const {
  Window* w = FromHandle(m_hWnd);
  bool inRange = w && index >= 0 && index < static_cast<int>(w->items.size());
  text = inRange ? CString(w->items[static_cast<size_t>(index)]) : CString();
}

int CTabCtrl::InsertItem(int index, const char* text) {
  Window* w = FromHandle(m_hWnd);
  if (!w || index < 0) return -1;
  size_t at = std::min(static_cast<size_t>(index), w->items.size());
  w->items.insert(w->items.begin() + static_cast<long>(at), text ? text : "");
  if (w->selection < 0) {
    w->selection = 0;   // the first tab inserted becomes the selected one
  } else if (w->selection >= static_cast<int>(at)) {
    ++w->selection;
  }
  return static_cast<int>(at);
}

int CTabCtrl::GetItemCount() const {
  Window* w = FromHandle(m_hWnd);
  return w ? static_cast<int>(w->items.size()) : 0;
}

CString CTabCtrl::GetItemText(int index) const {
  Window* w = FromHandle(m_hWnd);
  bool inRange = w && index >= 0 && index < static_cast<int>(w->items.size());
  return inRange ? CString(w->items[static_cast<size_t>(index)]) : CString();
}

int CTabCtrl::GetCurSel() const {
  Window* w = FromHandle(m_hWnd);
  return w ? w->selection : -1;
}

int CTabCtrl::SetCurSel(int index) {
  Window* w = FromHandle(m_hWnd);
  if (!w) return -1;
  int previous = w->selection;
  if (index >= 0 && index < static_cast<int>(w->items.size())) w->selection = index;
  else return -1;
  return previous;
}


bool CDateTimeCtrl::GetTime(fw::DateTime& value) const {
  Window* w = FromHandle(m_hWnd);
  if (!w || !w->hasTime) return false;
  value = w->time;
  return true;
}

bool CDateTimeCtrl::SetTime(const fw::DateTime& value) {
  Window* w = FromHandle(m_hWnd);
  if (!w || !fw::IsValidDateTime(value)) return false;
  w->time = value;
  w->hasTime = true;
  return true;
}
