// Finding the tool's windows from another process and reading them, without
// ever waiting on the tool: a window whose thread is busy answers later.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Calls `ready` every 100 ms until it is true or `limitMs` have passed.
bool PollUntil(const std::function<bool()>& ready, int limitMs);

// The window text of any control, through WM_GETTEXT; false while the tool's
// thread is too busy to answer within a second.
bool ReadText(HWND window, std::wstring& text);
// The class name of a window ("#32770", "Edit", "Button" ...).
std::wstring ClassOf(HWND window);
bool IsShown(HWND window);

// The page dialog inside the tab control whose hidden name static (id 1000)
// reads `label`; null when there is none.
HWND FindPage(HWND main, const std::wstring& label);

// The dialogs the tool shows over its main window: message boxes, the save-as dialog.
std::vector<HWND> OwnedDialogs(HWND main);
// A message box's text: the texts of its visible statics that are not icons.
std::wstring MessageBoxText(HWND box);
// The first visible edit inside `dialog`, at any depth.
HWND FirstEdit(HWND dialog);

// The control that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
// True when the thread of `window` handles messages again (not busy in a sequence).
bool Answers(HWND window, int limitMs);
