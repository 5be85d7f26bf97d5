// The Connect button: connects to the instrument on the chosen port and
// identifies it, or disconnects.
#include <new>

#include "app/dialog_reporter.h"
#include "app/tavo_dlg.h"
#include "instrument/page_reads.h"

void CTAVODlg::OnButtonConnect() {
  m_btnConnect.EnableWindow(false);
  if (m_bConnected == 0) {
    Connect();
  } else {
    Disconnect();
  }
  m_btnConnect.EnableWindow(true);
  RedrawNow();   // the status label in its new colour
}

void CTAVODlg::Connect() { ConnectTo(m_comboPort.GetWindowText()); }

int CTAVODlg::ConnectTo(const CString& port) {
  m_pSerial = new (std::nothrow) CSerial();
  if (!m_pSerial) return 0;
  DialogReporter reporter(*this);
  inst::Instrument instrument = InstrumentOf(*this);
  const inst::Connection connection = inst::Connect(*m_pSerial, port, instrument, reporter, true);
  if (connection != inst::Connection::Connected) {
    delete m_pSerial;
    m_pSerial = nullptr;
  }
  if (connection == inst::Connection::NotOpened) return 0;
  if (connection == inst::Connection::NoAnswer) {
    m_comboPort.EnableWindow(true);
    m_status.SetWindowText("未接続");
    m_bConnected = 0;
    return 0;
  }
  m_comboPort.EnableWindow(false);
  m_status.SetWindowText("接続中");
  m_btnConnect.SetWindowText("切断");
  if (m_bSetEnabled == 1) m_btnSet.EnableWindow(true);
  if (m_bReadEnabled == 1) m_btnRead.EnableWindow(true);
  if (m_bInitEnabled == 1) m_btnInit.EnableWindow(true);
  m_bConnected = 1;
  return 1;
}

void CTAVODlg::Disconnect() {
  m_comboPort.EnableWindow(true);
  m_status.SetWindowText("未接続");
  if (m_pSerial) {
    m_pSerial->Close();
    delete m_pSerial;
    m_pSerial = nullptr;
  }
  m_btnConnect.SetWindowText("接続");
  if (m_bSetEnabled == 1) m_btnSet.EnableWindow(false);
  if (m_bReadEnabled == 1) m_btnRead.EnableWindow(false);
  if (m_bInitEnabled == 1) m_btnInit.EnableWindow(false);
  m_bConnected = 0;
}
