// A simulated user, the same for both back ends: in memory when headless,
// window messages on Win32.
#pragma once
#include <string>
#include "framework/dialog.h"

namespace ui {

// Makes the test dialogs (template 900) available to CDialog::Create.
void UseTestDialogs();

bool Click(CDialog& dialog, int id);
// Focuses edit `id`, selects all of it and types `text` key by key.
bool Type(CDialog& dialog, int id, const std::string& text);
void Focus(CDialog& dialog, int id);
bool ChooseItem(CDialog& dialog, int id, int index);
bool ChooseTab(CDialog& dialog, int id, int index);
// A key-down of `vk` at the focused control, through the program's message handling.
void PressKey(CDialog& dialog, unsigned vk);
// The window's close box.
void CloseWindow(CDialog& dialog);
// The window text of any control of `dialog`, and whether it is enabled and visible.
std::string TextOf(CDialog& dialog, int id);
bool IsEnabled(CDialog& dialog, int id);
bool IsVisible(CDialog& dialog, int id);
// The text colour the dialog gives static `id`.
unsigned TextColourOf(CDialog& dialog, int id);
// The icon the window gives while it is dragged minimised.
IconHandle DragIconOf(CDialog& dialog);

}  // namespace ui
