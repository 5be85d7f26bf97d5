// The Connect button: connects to the instrument on the chosen port and
// identifies it, or disconnects.
#include "app/dialog_reporter.h"
#include "app/tavo_dlg.h"

void CTAVODlg::OnButtonConnect() {
  m_btnConnect.EnableWindow(false);
  if (!m_instrument.Connected()) {
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
  ShowConnection();
  return connection == inst::Connection::Connected ? 1 : 0;
}

void CTAVODlg::Disconnect() {
  m_instrument.Disconnect();
  ShowConnection();
}
