// The application object, headless: there is no process entry point here;
// tests create the dialogs themselves.
#include "framework/app.h"

#include <cstdint>

#include "framework/ui.h"

bool CWinApp::InitCommonControls(unsigned) { return true; }
IconHandle CWinApp::LoadIcon(int resourceId) const {
  return reinterpret_cast<IconHandle>(static_cast<std::intptr_t>(resourceId));
}

namespace fw {
void PumpWaitingMessages() {}
}  // namespace fw
