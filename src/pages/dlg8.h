// Maker page 2 (template 145): twenty raw A/D values of a chosen channel.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg8 : public CPageDialog {
public:
  CDlg8() : CPageDialog(IDD_MAKER2) {}

  CComboBox m_comboChannel;   // 1129 A/D channel
  CStatic m_staticAd[20];     // A/D data 1 to 20 (their controls: the catalogue's readings of 'V')

  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
};
