// The application object and the program's entry point.
#include "framework/app.h"
#include "framework/win32/win.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }
CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}
bool CWinApp::InitInstance() { return false; }

bool CWinApp::InitCommonControls(unsigned classes) {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), classes};
  return InitCommonControlsEx(&init) != FALSE;
}

IconHandle CWinApp::LoadIcon(int resourceId) const {
  return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
}

CWinApp* AfxGetApp() { return g_app; }

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  return app->InitInstance() ? app->Run() : 0;
}
