#include "pages/dlg8.h"

void CDlg8::DoDataExchange(CDataExchange* pDX) {
  CPageDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_COMBO_AD_CHANNEL, m_comboChannel);
  for (int n = 1; n <= 20; ++n) DDX_Control(pDX, AdDataId(n), m_staticAd[n - 1]);
}

bool CDlg8::OnInitDialog() {
  CPageDialog::OnInitDialog();
  m_comboChannel.SetCurSel(0);
  return true;
}
