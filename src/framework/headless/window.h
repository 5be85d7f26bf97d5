// The in-memory windows of the headless back end. Tests reach them through
// the handle of a CWnd to check what a user would see.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "framework/dialog.h"
#include "framework/types.h"

namespace fw::headless {

// Win32 style bits the in-memory controls act on.
enum : unsigned {
  kWsVisible = 0x10000000u,
  kWsDisabled = 0x08000000u,
  kWsChild = 0x40000000u,
  kEsNumber = 0x2000u,
  kEsReadOnly = 0x0800u,
  kCbsSort = 0x0100u,
  kDtsTimeFormat = 0x0009u,   // DTS_TIMEFORMAT (includes DTS_UPDOWN)
};

struct Window {
  Window* parent = nullptr;
  std::vector<std::unique_ptr<Window>> children;
  std::string className;
  int id = 0;
  std::string text;
  unsigned style = 0;
  bool enabled = true;
  bool visible = true;
  int x = 0, y = 0, width = 0, height = 0;
  CDialog* dialog = nullptr;       // the dialog object of a dialog window
  int limit = 32767;               // edit: most characters the user can type
  std::vector<std::string> items;  // combo box items, tab texts
  int selection = -1;              // combo box item, tab
  bool hasTime = false;            // date and time picker
  fw::DateTime time{};
  IconHandle icons[2] = {nullptr, nullptr};

  bool Is(const char* cls) const { return className == cls; }
  Window* Child(int childId) const;
  CDialog* OwningDialog() const;   // the dialog this control belongs to
};

inline Window* FromHandle(WindowHandle handle) { return static_cast<Window*>(handle); }

// The window with the keyboard focus, or null.
Window* Focus();
// Moves the focus; an edit losing it notifies its dialog (KillFocus).
void SetFocus(Window* window);
// Moves the focus without notifying anyone (a window going away).
void SetFocusSilently(Window* window);
// The item order of a sorted list: case-insensitive, byte by byte ("COM10" before "COM2").
bool SortsBefore(const std::string& a, const std::string& b);
// Sets a window's text as WM_SETTEXT does (an edit notifies EditChange).
void SetText(Window* window, const std::string& text);
// The text a picker shows for its value, as on a Japanese system (2026/12/07, 9:05:07).
std::string PickerText(const Window& picker);

}  // namespace fw::headless
