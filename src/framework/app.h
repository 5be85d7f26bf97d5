// CWinApp: the application object. The program defines one global instance;
// the framework's entry point calls its InitInstance and ends the process when it returns.
#pragma once
#include "framework/dialog.h"

class CWinApp {
public:
  CWinApp();
  virtual ~CWinApp();
  virtual bool InitInstance();
  // Run when InitInstance returned true (never, for a dialog program); returns the exit code.
  virtual int Run() { return 0; }

  CDialog* m_pMainWnd = nullptr;

  // Registers the common control classes given by `classes` (ICC_* flags).
  static bool InitCommonControls(unsigned classes);
  void SetRegistryKey(const char* key) { m_registryKey = key; }
  void EnableControlContainer() {}
  IconHandle LoadIcon(int resourceId) const;

private:
  CString m_registryKey;
};

CWinApp* AfxGetApp();
