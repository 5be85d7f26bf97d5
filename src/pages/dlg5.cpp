#include "pages/dlg5.h"

#include "instrument/catalogue.h"

void CDlg5::DoDataExchange(CDataExchange* pDX) {
  CPageDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_COMBO_MODEL, m_comboModel);
  DDX_Control(pDX, IDC_STATIC_RT_TAVO_INDOOR, m_staticRtTavoIndoor);
  DDX_Control(pDX, IDC_STATIC_RT_TAVO_OUTDOOR, m_staticRtTavoOutdoor);
  DDX_Control(pDX, IDC_STATIC_RT_AIR_TEMP, m_staticRtAirTemp);
  DDX_Control(pDX, IDC_STATIC_RT_REL_TEMP, m_staticRtRelTemp);
  DDX_Control(pDX, IDC_STATIC_RT_HUMIDITY, m_staticRtHumidity);
  DDX_Control(pDX, IDC_STATIC_RT_GLOBE_TEMP, m_staticRtGlobeTemp);
  DDX_Control(pDX, IDC_EDIT_HUMIDITY_LIMIT, m_editHumidityLimit);
  DDX_Control(pDX, IDC_STATIC_PA_BATTERY, m_staticPaBattery);
  DDX_Control(pDX, IDC_STATIC_PA_AIR_TEMP, m_staticPaAirTemp);
  DDX_Control(pDX, IDC_STATIC_PA_RADIANT_TEMP, m_staticPaRadiantTemp);
  DDX_Control(pDX, IDC_STATIC_PA_GLOBE150, m_staticPaGlobe150);
  DDX_Control(pDX, IDC_STATIC_PA_HUMIDITY_RAW, m_staticPaHumidityRaw);
  DDX_Control(pDX, IDC_STATIC_PA_HUMIDITY_CAL, m_staticPaHumidityCal);
  DDX_Control(pDX, IDC_STATIC_CALIB_RH_B, m_staticCalibRhB);
  DDX_Control(pDX, IDC_STATIC_CALIB_RH_A, m_staticCalibRhA);
}

const MessageMap& CDlg5::GetMessageMap() const {
  static const MessageMap map = {
      On(Notify::EditChange, IDC_EDIT_HUMIDITY_LIMIT, &CDlg5::OnChangeHumidityLimit),
      On(Notify::SelChange, IDC_COMBO_MODEL, &CDlg5::OnSelchangeModel),
  };
  return map;
}

void CDlg5::ApplyModelToHumidityLimit() {
  int model = m_comboModel.GetCurSel();
  if (model < 0) return;
  m_editHumidityLimit.EnableWindow(inst::ModelOffers(model, *inst::FindSetting("humidity_limit")));
}
