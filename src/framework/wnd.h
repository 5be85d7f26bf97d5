// CWnd and the control classes: thin objects bound to a window by its handle.
// Every operation works on the window the object is attached to; an object
// that is not attached does nothing and reads as empty.
#pragma once
#include <vector>
#include "framework/cstring.h"
#include "framework/types.h"

class CWnd {
public:
  CWnd() = default;
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  WindowHandle m_hWnd = nullptr;

  void Attach(WindowHandle handle) { m_hWnd = handle; }
  WindowHandle Detach() { WindowHandle h = m_hWnd; m_hWnd = nullptr; return h; }

  void SetWindowText(const char* text);
  CString GetWindowText() const;
  int GetDlgCtrlID() const;

  bool EnableWindow(bool enable = true);   // true when it was disabled before
  bool IsWindowEnabled() const;
  void ShowWindow(int command);            // fw::kSwShow or fw::kSwHide
  bool IsWindowVisible() const;            // its own visible style
  void SetFocus();
  bool HasFocus() const;

  // Moves the window to (x, y) pixels of its parent's client area, keeping its size.
  void MoveTo(int x, int y);
  // Repaints the whole window at once (invalidate, erase, update).
  void RedrawNow();

  void SetIcon(IconHandle icon, bool big);
  bool IsIconic() const;
  // Draws `icon` centred in the client area (the look of a minimised dialog).
  void PaintIconCentred(IconHandle icon);

  // A modal message box owned by this window (or by no window when not attached).
  int MessageBox(const char* text, const char* caption = nullptr, unsigned type = fw::kMbOk);

  // The window handle of the child control `id`, or null.
  WindowHandle GetDlgItemHandle(int id) const;
};

class CStatic : public CWnd {};

class CButton : public CWnd {};

class CEdit : public CWnd {
public:
  // The most characters (bytes) the user can type.
  void SetLimitText(int limit);
};

class CComboBox : public CWnd {
public:
  int AddString(const char* text);       // index where it landed (sorted lists sort it in)
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;                 // fw::kCbErr when nothing is selected
  // Selects item `index`. An index outside the list, or -1, leaves no item
  // selected and returns fw::kCbErr.
  int SetCurSel(int index);
  void GetLBText(int index, CString& text) const;
};

class CTabCtrl : public CWnd {
public:
  int InsertItem(int index, const char* text);  // a text-only tab
  int GetItemCount() const;
  CString GetItemText(int index) const;
  int GetCurSel() const;                        // -1 when no tab is selected
  int SetCurSel(int index);                     // previous selection; sends no notification
};

class CDateTimeCtrl : public CWnd {
public:
  // The shown value. False when the control holds none.
  bool GetTime(fw::DateTime& value) const;
  // False when `value` is not a valid date and time; the control is then unchanged.
  bool SetTime(const fw::DateTime& value);
};
