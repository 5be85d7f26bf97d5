// The Connect button: connects to the instrument on the chosen port and
// identifies it, or disconnects.
#include "app/dialog_reporter.h"
#include "app/tavo_dlg.h"

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
  DialogReporter reporter(*this);
  TakePageValues(Pages(), m_instrument.Values());
  const inst::Connection connection = m_instrument.Connect(port.str(), reporter);
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
  m_instrument.Disconnect();
  m_btnConnect.SetWindowText("接続");
  if (m_bSetEnabled == 1) m_btnSet.EnableWindow(false);
  if (m_bReadEnabled == 1) m_btnRead.EnableWindow(false);
  if (m_bInitEnabled == 1) m_btnInit.EnableWindow(false);
  m_bConnected = 0;
}
