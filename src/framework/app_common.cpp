// The parts of CWinApp that are the same on both back ends.
#include "framework/app.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

bool CWinApp::InitInstance() { return false; }

CWinApp* AfxGetApp() { return g_app; }
