#include "framework/headless/window.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/code_page.h"

namespace fw::headless {
namespace {
Window* g_focus = nullptr;
}

Window* Window::Child(int childId) const {
  for (const auto& child : children) {
    if (child->id == childId) return child.get();
  }
  return nullptr;
}

CDialog* Window::OwningDialog() const {
  for (const Window* w = parent; w; w = w->parent) {
    if (w->dialog) return w->dialog;
  }
  return nullptr;
}

Window* Focus() { return g_focus; }

void SetFocus(Window* window) {
  Window* old = g_focus;
  if (old == window) return;
  g_focus = window;
  if (old && old->Is("Edit")) {
    if (CDialog* dialog = old->OwningDialog()) dialog->Dispatch(Notify::KillFocus, old->id);
  }
}

void SetFocusSilently(Window* window) { g_focus = window; }

bool SortsBefore(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
  });
}

namespace {

// A text as a window of the system keeps it, in UTF-16: a lead byte at its
// end without its trail byte comes back as "・" (the code page's default character).
std::string AsKept(const std::string& text) {
  std::string kept;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsLeadByte932(static_cast<unsigned char>(text[i]))) {
      kept += text[i];
    } else if (i + 1 < text.size()) {
      kept += text.substr(i++, 2);
    } else {
      kept += "\x81\x45";
    }
  }
  return kept;
}

}  // namespace

void SetText(Window* window, const std::string& text) {
  if (!window) return;
  window->text = AsKept(text);
  if (window->Is("Edit")) {
    if (CDialog* dialog = window->OwningDialog()) dialog->Dispatch(Notify::EditChange, window->id);
  }
}

std::string PickerText(const Window& picker) {
  if (!picker.hasTime) return std::string();
  char buffer[32];
  const fw::DateTime& t = picker.time;
  if ((picker.style & kDtsTimeFormat) == kDtsTimeFormat) {
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", t.hour, t.minute, t.second);
  } else {
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", t.year, t.month, t.day);
  }
  return buffer;
}

}  // namespace fw::headless
