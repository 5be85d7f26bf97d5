// The application object: runs the main dialog and ends the process after it.
#pragma once
#include "config/comm_settings.h"
#include "framework/app.h"
#include "instrument/memory_records.h"

class CTAVOApp : public CWinApp {
public:
  bool InitInstance() override;

  MemoryRecords m_memoryRecords;   // the last memory download
  CommSettings m_commSettings;     // [COMM] of "TAVO.ini" at start
};

// The program's application object.
CTAVOApp& TheApp();
