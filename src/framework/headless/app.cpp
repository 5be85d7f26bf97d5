// The application object, headless: there is no process entry point here;
// tests create the dialogs themselves.
#include "framework/app.h"

#include <cstdint>

#include "framework/ui.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }
CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}
bool CWinApp::InitInstance() { return false; }
bool CWinApp::InitCommonControls(unsigned) { return true; }
IconHandle CWinApp::LoadIcon(int resourceId) const {
  return reinterpret_cast<IconHandle>(static_cast<std::intptr_t>(resourceId));
}
CWinApp* AfxGetApp() { return g_app; }

namespace fw {
void PumpWaitingMessages() {}
}  // namespace fw
