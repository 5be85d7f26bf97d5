#include "pages/dlg5.h"

void CDlg5::DoDataExchange(CDataExchange* pDX) {
  CPageDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_COMBO_MODEL, m_comboModel);
  DDX_Control(pDX, IDC_EDIT_HUMIDITY_LIMIT, m_editHumidityLimit);
}

void CDlg5::ApplyModelToHumidityLimit() {
  int model = m_comboModel.GetCurSel();
  if (model < 0) return;
  m_editHumidityLimit.EnableWindow(model % 2 == 1);
}
