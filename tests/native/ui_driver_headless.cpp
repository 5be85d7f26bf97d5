// The simulated user on the in-memory dialogs.
#include "framework/headless/driver.h"
#include "framework/headless/window.h"
#include "support/ui_driver.h"

const fw::DialogTemplate* FindTestDialogTemplate(int id);

namespace ui {

void UseTestDialogs() { fw::headless::SetExtraTemplates(&FindTestDialogTemplate); }

bool Click(CDialog& dialog, int id) { return fw::headless::Click(dialog, id); }
bool Type(CDialog& dialog, int id, const std::string& text) { return fw::headless::Type(dialog, id, text); }
void Focus(CDialog& dialog, int id) { fw::headless::Focus(dialog, id); }
bool ChooseItem(CDialog& dialog, int id, int index) { return fw::headless::ChooseItem(dialog, id, index); }
bool ChooseTab(CDialog& dialog, int id, int index) { return fw::headless::ChooseTab(dialog, id, index); }
void PressKey(CDialog& dialog, unsigned vk) { fw::headless::PressKey(dialog, vk); }
void CloseWindow(CDialog& dialog) { fw::headless::CloseWindow(dialog); }

std::string TextOf(CDialog& dialog, int id) {
  CWnd control;
  control.Attach(fw::headless::Control(dialog, id));
  return control.GetWindowText().str();
}

bool IsEnabled(CDialog& dialog, int id) {
  fw::headless::Window* w = fw::headless::Control(dialog, id);
  return w && w->enabled;
}

bool IsVisible(CDialog& dialog, int id) {
  fw::headless::Window* w = fw::headless::Control(dialog, id);
  return w && w->visible;
}

unsigned TextColourOf(CDialog& dialog, int id) {
  CWnd control;
  control.Attach(fw::headless::Control(dialog, id));
  fw::Colour colour = 0;
  dialog.OnCtlColor(control, colour);
  return colour;
}

IconHandle DragIconOf(CDialog& dialog) { return dialog.OnQueryDragIcon(); }

}  // namespace ui
