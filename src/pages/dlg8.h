// Maker page 2 (template 145): twenty raw A/D values of a chosen channel.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg8 : public CPageDialog {
public:
  CDlg8() : CPageDialog(IDD_MAKER2) {}

  CComboBox m_comboChannel;   // 1129 A/D channel
  CStatic m_staticAd[20];     // A/D data 1 to 20

  // The control id of A/D data `n` (1 to 20).
  static int AdDataId(int n) { return n == 1 ? IDC_STATIC_AD1 : (n <= 10 ? 1059 + n : 1061 + n); }

  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
};
