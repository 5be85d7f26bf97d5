// Maker page 1 (template 142): realtime, preamplifier and calibration values,
// the humidity display limit and the model code.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg5 : public CPageDialog {
public:
  CDlg5() : CPageDialog(IDD_MAKER1) {}

  CComboBox m_comboModel;             // 1129 model code
  CStatic m_staticRtTavoIndoor;       // 1043 realtime data
  CStatic m_staticRtTavoOutdoor;      // 1044
  CStatic m_staticRtAirTemp;          // 1045
  CStatic m_staticRtRelTemp;          // 1046
  CStatic m_staticRtHumidity;         // 1047
  CStatic m_staticRtGlobeTemp;       // 1093
  CEdit m_editHumidityLimit;          // 1090 humidity display upper limit
  CStatic m_staticPaBattery;          // 1050 preamplifier data
  CStatic m_staticPaAirTemp;          // 1051
  CStatic m_staticPaRadiantTemp;      // 1055
  CStatic m_staticPaGlobe150;         // 1057
  CStatic m_staticPaHumidityRaw;      // 1059
  CStatic m_staticPaHumidityCal;      // 1060
  CStatic m_staticCalibRhB;           // 1041 humidity calibration
  CStatic m_staticCalibRhA;           // 1042
  // 1 from the first change of 1090 on, whoever made it.
  int m_bHumidityLimitEdited = 0;

  void DoDataExchange(CDataExchange* pDX) override;
  const MessageMap& GetMessageMap() const override;

  void OnChangeHumidityLimit() { m_bHumidityLimitEdited = 1; }
  void OnSelchangeModel() { ApplyModelToHumidityLimit(); }

  // The humidity limit edit enabled as the chosen model offers it (see the
  // catalogue's models); no selection leaves the edit as it is.
  void ApplyModelToHumidityLimit();

protected:
  // The humidity limit is checked only after its first change.
  bool ChecksOnFocusLoss(int id) const override {
    return id != IDC_EDIT_HUMIDITY_LIMIT || m_bHumidityLimitEdited == 1;
  }
};
