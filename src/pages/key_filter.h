// The key filter of the main dialog and every page: a key-down of Enter or
// Escape is swallowed, so neither closes a dialog or presses a button.
#pragma once
#include "framework/types.h"

inline bool IsEnterOrEscapeKeyDown(const fw::Msg& msg) {
  return msg.message == fw::kWmKeyDown && (msg.wParam == fw::kVkReturn || msg.wParam == fw::kVkEscape);
}
