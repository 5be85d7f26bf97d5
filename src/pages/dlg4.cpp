#include "pages/dlg4.h"

void CDlg4::DoDataExchange(CDataExchange* pDX) {
  CPageDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_STATIC_AUTO_POWER_OFF, m_staticAutoPowerOff);
  DDX_Control(pDX, IDC_STATIC_CLOCK, m_staticClock);
  DDX_Control(pDX, IDC_STATIC_TAVO_INDOOR, m_staticTavoIndoor);
  DDX_Control(pDX, IDC_STATIC_AIR_TEMP, m_staticAirTemp);
  DDX_Control(pDX, IDC_STATIC_HUMIDITY, m_staticHumidity);
  DDX_Control(pDX, IDC_STATIC_GLOBE_TEMP, m_staticGlobeTemp);
  DDX_Control(pDX, IDC_STATIC_MODEL_NAME, m_staticModelName);
  DDX_Control(pDX, IDC_STATIC_VERSION, m_staticVersion);
  DDX_Control(pDX, IDC_STATIC_TAVO_OUTDOOR, m_staticTavoOutdoor);
}
