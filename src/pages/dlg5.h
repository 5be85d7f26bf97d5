// Maker page 1 (template 142): realtime, preamplifier and calibration values,
// the humidity display limit and the model code.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg5 : public CPageDialog {
public:
  CDlg5() : CPageDialog(IDD_MAKER1) {}

  CComboBox m_comboModel;          // 1129 model code
  CEdit m_editHumidityLimit;       // 1090 humidity display upper limit

  void DoDataExchange(CDataExchange* pDX) override;
  // The model code rule: "…B" models (1, 3, 5) have a humidity limit, the others not;
  // no selection leaves the edit as it is.
  void ApplyModelToHumidityLimit();
};
