// Dialogs built in memory from the program's templates.
#include <algorithm>
#include <functional>

#include "framework/dialog.h"
#include "framework/headless/driver.h"
#include "framework/headless/window.h"
#include "res/templates.h"
#include "platform/clock.h"

namespace fw::headless {
namespace {
std::vector<std::unique_ptr<Window>> g_dialogs;   // every dialog window, top-level or child
std::function<void(CDialog&)> g_modalDriver;
const fw::DialogTemplate* (*g_extraTemplates)(int) = nullptr;

fw::DateTime Now() {
  plat::LocalTime t = plat::GetLocalTime();
  return fw::DateTime{t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.millisecond};
}

std::unique_ptr<Window> MakeControl(const fw::ControlTemplate& c, Window* parent, int templateId) {
  auto w = std::make_unique<Window>();
  w->parent = parent;
  w->className = c.className;
  w->id = c.id;
  w->text = c.text;
  w->style = c.style;
  w->enabled = !(c.style & kWsDisabled);
  w->visible = (c.style & kWsVisible) != 0;
  w->x = c.x;
  w->y = c.y;
  w->width = c.width;
  w->height = c.height;
  if (w->Is("ComboBox")) {
    w->text.clear();
    if (const char* const* items = fw::FindInitialList(templateId, c.id)) {
      for (; *items; ++items) w->items.push_back(*items);
      if (c.style & kCbsSort) std::stable_sort(w->items.begin(), w->items.end(), SortsBefore);
    }
  }
  if (w->Is("SysDateTimePick32")) {
    w->hasTime = true;   // a new picker shows the current date and time
    w->time = Now();
  }
  return w;
}

bool IsInside(const Window* w, const Window* ancestor) {
  for (; w; w = w->parent) {
    if (w == ancestor) return true;
  }
  return false;
}
}  // namespace

void SetModalDriver(std::function<void(CDialog&)> driver) { g_modalDriver = std::move(driver); }

void SetExtraTemplates(const fw::DialogTemplate* (*lookup)(int)) { g_extraTemplates = lookup; }

namespace {
const fw::DialogTemplate* FindTemplate(int id) {
  const fw::DialogTemplate* t = fw::FindDialogTemplate(id);
  return (!t && g_extraTemplates) ? g_extraTemplates(id) : t;
}
}  // namespace

}  // namespace fw::headless

// The dialog's members, on the windows in memory above.
namespace hl = fw::headless;

bool CDialog::Create(int templateId, CWnd* parent) {
  const fw::DialogTemplate* t = hl::FindTemplate(templateId);
  if (!t || m_hWnd) return false;
  m_templateId = templateId;
  m_pParent = parent;
  auto w = std::make_unique<hl::Window>();
  w->parent = parent ? hl::FromHandle(parent->m_hWnd) : nullptr;
  w->className = "#32770";
  w->id = templateId;
  w->text = t->caption ? t->caption : "";
  w->style = t->style;
  w->visible = (t->style & hl::kWsVisible) != 0;
  w->width = t->width;
  w->height = t->height;
  w->dialog = this;
  for (const fw::ControlTemplate& c : t->controls) w->children.push_back(hl::MakeControl(c, w.get(), templateId));
  m_hWnd = w.get();
  hl::g_dialogs.push_back(std::move(w));
  m_ended = false;
  OnInitDialog();
  return true;
}

void CDialog::DestroyWindow() {
  hl::Window* self = hl::FromHandle(m_hWnd);
  if (!self) return;
  // Child dialogs go with their parent, as real windows do.
  for (size_t i = 0; i < hl::g_dialogs.size(); ++i) {
    hl::Window* other = hl::g_dialogs[i].get();
    if (other != self && hl::IsInside(other->parent, self) && other->dialog) {
      other->dialog->DestroyWindow();
      i = static_cast<size_t>(-1);
    }
  }
  if (hl::Window* focus = hl::Focus(); focus && hl::IsInside(focus, self)) {
    hl::SetFocusSilently(nullptr);
  }
  m_hWnd = nullptr;
  hl::g_dialogs.erase(std::remove_if(hl::g_dialogs.begin(), hl::g_dialogs.end(),
                                     [self](const std::unique_ptr<hl::Window>& w) { return w.get() == self; }),
                  hl::g_dialogs.end());
}

void CDialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
}

int CDialog::DoModal() {
  if (!Create(m_templateId, m_pParent)) return -1;
  if (hl::Window* w = hl::FromHandle(m_hWnd)) w->visible = true;
  if (hl::g_modalDriver) hl::g_modalDriver(*this);
  if (!m_ended) EndDialog(fw::kIdCancel);
  DestroyWindow();
  return m_result;
}
