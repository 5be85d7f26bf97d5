// User page 2 (template 141): auto power-off, clock, model, version and the
// latest measurement, all shown only.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg4 : public CPageDialog {
public:
  CDlg4() : CPageDialog(IDD_USER2) {}

  CStatic m_staticAutoPowerOff;   // 1049 "許可" or "禁止"
  CStatic m_staticClock;          // 1096
  CStatic m_staticTavoIndoor;     // 1121
  CStatic m_staticAirTemp;        // 1122
  CStatic m_staticHumidity;       // 1123
  CStatic m_staticGlobeTemp;      // 1124
  CStatic m_staticModelName;      // 1031
  CStatic m_staticVersion;        // 1032
  CStatic m_staticTavoOutdoor;    // 1125

  void DoDataExchange(CDataExchange* pDX) override;
};
