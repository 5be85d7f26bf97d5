#include "app/tavo_app.h"

#include "app/tavo_dlg.h"

namespace {
// ICC_WIN95_CLASSES: the tab and date/time picker controls among them.
const unsigned kCommonControlClasses = 0xFF;
}

bool CTAVOApp::InitInstance() {
  InitCommonControls(kCommonControlClasses);
  CTAVODlg dlg;
  dlg.DoModal();
  return false;   // the process ends with the dialog
}

CTAVOApp& TheApp() { return *static_cast<CTAVOApp*>(AfxGetApp()); }
