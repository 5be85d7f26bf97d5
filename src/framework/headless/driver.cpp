#include "framework/headless/driver.h"

#include <cctype>

#include "framework/headless/window.h"

namespace fw::headless {

Window* Control(CDialog& dialog, int id) {
  Window* w = FromHandle(dialog.m_hWnd);
  return w ? w->Child(id) : nullptr;
}

namespace {
bool Usable(const Window* w) { return w && w->enabled && w->visible; }
}  // namespace

bool Click(CDialog& dialog, int id) {
  Window* w = Control(dialog, id);
  if (!Usable(w)) return false;
  SetFocus(w);
  dialog.Dispatch(Notify::Clicked, id);
  return true;
}

bool Type(CDialog& dialog, int id, const std::string& text) {
  Window* w = Control(dialog, id);
  if (!Usable(w) || !w->Is("Edit")) return false;
  SetFocus(w);
  if (!w->text.empty()) SetText(w, std::string());   // typing replaces the selected text
  for (char c : text) {
    bool digitsOnly = (w->style & kEsNumber) != 0;
    if (digitsOnly && !std::isdigit(static_cast<unsigned char>(c))) continue;
    if (static_cast<int>(w->text.size()) >= w->limit) continue;
    SetText(w, w->text + c);
  }
  return true;
}

void Focus(CDialog& dialog, int id) { SetFocus(Control(dialog, id)); }

bool ChooseItem(CDialog& dialog, int id, int index) {
  Window* w = Control(dialog, id);
  if (!Usable(w) || index < 0 || index >= static_cast<int>(w->items.size())) return false;
  SetFocus(w);
  w->selection = index;
  dialog.Dispatch(Notify::SelChange, id);
  return true;
}

bool ChooseTab(CDialog& dialog, int id, int index) {
  Window* w = Control(dialog, id);
  if (!Usable(w) || index < 0 || index >= static_cast<int>(w->items.size())) return false;
  w->selection = index;
  NotifyResult result;
  dialog.m_pNotifyResult = &result;
  dialog.Dispatch(Notify::TabSelChange, id);
  dialog.m_pNotifyResult = nullptr;
  return true;
}

void PressKey(CDialog& dialog, unsigned vk) {
  Window* target = Focus();
  if (!target) target = FromHandle(dialog.m_hWnd);
  fw::Msg msg{target, kWmKeyDown, vk, 0};
  for (Window* w = target; w; w = w->parent) {
    if (w->dialog && w->dialog->PreTranslateMessage(&msg)) return;
  }
  if (vk == kVkReturn) dialog.OnOK();
  if (vk == kVkEscape) dialog.OnCancel();
}

void CloseWindow(CDialog& dialog) { dialog.OnClose(); }

}  // namespace fw::headless
