// What the instrument's commands work on: the four pages whose controls they
// fill or read, the open link, and whether the instrument has an IoT unit. The main dialog is such a
// context; a test or another front end can provide its own.
#pragma once
#include "link/serial.h"
#include "pages/dlg3.h"
#include "pages/dlg4.h"
#include "pages/dlg5.h"
#include "pages/dlg8.h"

class CCommandContext {
public:
  CCommandContext() = default;
  CCommandContext(const CCommandContext&) = delete;
  CCommandContext& operator=(const CCommandContext&) = delete;

  CSerial* m_pSerial = nullptr;   // the open link; null while disconnected
  CDlg3 m_dlgUser1;
  CDlg4 m_dlgUser2;
  CDlg5 m_dlgMaker1;
  CDlg8 m_dlgMaker2;
  int m_bIoTUnit = 0;             // the identified instrument has an IoT unit

protected:
  ~CCommandContext() = default;
};
