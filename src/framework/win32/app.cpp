// The application object and the program's entry point.
#include "framework/app.h"
#include "framework/win32/win.h"


bool CWinApp::InitCommonControls(unsigned classes) {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), classes};
  return InitCommonControlsEx(&init) != FALSE;
}

IconHandle CWinApp::LoadIcon(int resourceId) const {
  return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
}


int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->InitInstance();   // runs the main dialog; the process ends after it
  return 0;
}
