// The application object: runs the main dialog and ends the process after it.
#pragma once
#include "commands/memory_records.h"
#include "config/ini_file.h"
#include "framework/app.h"
#include "framework/carray.h"

class CTAVOApp : public CWinApp {
public:
  bool InitInstance() override;

  CArray<COutputData, COutputData> m_memoryRecords;  // the last memory download
  CIniFile m_iniFile;                                 // [COMM] of "TAVO.ini" at start
};

// The program's application object.
CTAVOApp& TheApp();
