// A simulated user for tests of the headless back end: each action does what
// the same action on a real Win32 dialog does, notifications included.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "framework/dialog.h"
#include "res/templates.h"
#include "framework/ui.h"

namespace fw::headless {

// Called by DoModal while the dialog runs: it plays the user until it ends the
// dialog (a dialog the driver leaves running ends with kIdCancel).
void SetModalDriver(std::function<void(CDialog&)> driver);

// The message boxes shown since the last call of ClearMessageBoxes, in order
// (the default headless answer is kIdOk).
const std::vector<MessageBoxRecord>& MessageBoxes();
void ClearMessageBoxes();

// Dialog templates beyond the program's own (test dialogs): looked up when the
// program has no template of that id.
void SetExtraTemplates(const fw::DialogTemplate* (*lookup)(int id));

// The window of control `id` of `dialog`, or null.
struct Window;
Window* Control(CDialog& dialog, int id);

// Presses a button (enabled and visible only): BN_CLICKED.
bool Click(CDialog& dialog, int id);
// Puts the focus into edit `id`, selects its text and types `text` over it one
// character at a time: the text limit and the digits-only style reject
// characters as Win32 does; every accepted character notifies EditChange.
bool Type(CDialog& dialog, int id, const std::string& text);
// Moves the focus to control `id` (an edit that loses it notifies KillFocus).
void Focus(CDialog& dialog, int id);
// Picks item `index` of combo box `id` as a user would: CBN_SELCHANGE.
bool ChooseItem(CDialog& dialog, int id, int index);
// Picks tab `index` of tab control `id`: TCN_SELCHANGE.
bool ChooseTab(CDialog& dialog, int id, int index);
// A key-down at the focused window (or at `dialog` when nothing has the focus):
// PreTranslateMessage of every dialog from the innermost out, then the dialog
// manager's default (Enter: OnOK, Escape: OnCancel).
void PressKey(CDialog& dialog, unsigned vk);
// The close box of the window (WM_CLOSE).
void CloseWindow(CDialog& dialog);

}  // namespace fw::headless
