// What a user's mouse and keyboard do to a control, as window messages to the
// tool: nothing here waits for the tool to finish handling them.
#pragma once
#include <windows.h>

#include <string>

// A mouse click in the middle of `control` (which focuses an edit).
void PostClick(HWND control);
// A key pressed and released at `control`.
void PostKey(HWND control, UINT vk);
// The characters of `text` typed into `control`.
void PostChars(HWND control, const std::wstring& text);
// A button's press by mouse (BM_CLICK); returns once the tool has begun to handle it.
void PostPress(HWND button);
// Selects the item of `combo` reading `text` and tells its parent, as choosing
// it in the drop-down list does; false when there is no such item.
bool ChooseListItem(HWND combo, const std::wstring& text);
