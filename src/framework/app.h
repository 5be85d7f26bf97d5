// CWinApp: the application object. The program defines one global instance;
// the framework's entry point calls its InitInstance and ends the process when it returns.
#pragma once
#include "framework/dialog.h"

class CWinApp {
public:
  CWinApp();
  virtual ~CWinApp();
  virtual bool InitInstance();

  // Registers the common control classes given by `classes` (ICC_* flags).
  static bool InitCommonControls(unsigned classes);
  IconHandle LoadIcon(int resourceId) const;
};

CWinApp* AfxGetApp();
