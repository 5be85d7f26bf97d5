// The application object: runs the main dialog and ends the process after it.
#pragma once
#include "config/ini_file.h"
#include "framework/app.h"
#include "instrument/memory_records.h"

class CTAVOApp : public CWinApp {
public:
  bool InitInstance() override;

  MemoryRecords m_memoryRecords;   // the last memory download
  CIniFile m_iniFile;              // [COMM] of "TAVO.ini" at start
};

// The program's application object.
CTAVOApp& TheApp();
