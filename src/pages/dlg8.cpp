#include "pages/dlg8.h"

#include "instrument/catalogue.h"

void CDlg8::DoDataExchange(CDataExchange* pDX) {
  CPageDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_COMBO_AD_CHANNEL, m_comboChannel);
  int n = 0;
  for (const inst::Reading& reading : inst::Readings())
    if (reading.page == IDD_MAKER2 && n < 20) DDX_Control(pDX, reading.control, m_staticAd[n++]);
}

bool CDlg8::OnInitDialog() {
  CPageDialog::OnInitDialog();
  m_comboChannel.SetCurSel(0);
  return true;
}
