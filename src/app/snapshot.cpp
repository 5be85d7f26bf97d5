// The settings snapshot: what each setting control showed when the instrument
// was last read, or when the setting was last acknowledged.
#include "app/tavo_dlg.h"

void CTAVODlg::ClearSnapshot() {
  ClearUser1Snapshot();
  m_snapHumidityLimit.Empty();
  m_snapModelCode = 0;
}

void CTAVODlg::ClearUser1Snapshot() {
  m_snapAutoPowerOff = 0;
  m_snapDate.Empty();
  m_snapTime.Empty();
  m_snapMemInterval.Empty();
  m_snapBuzzer.Empty();
  m_snapAlarmMode = 0;
  m_snapLevel1.Empty();
  m_snapLevel2.Empty();
  m_snapLevel3.Empty();
  m_snapLevel4.Empty();
  m_snapIoTInterval.Empty();
  m_snapIoTStart.Empty();
  m_snapIoTStop.Empty();
}

void CTAVODlg::TakeUser1Snapshot() {
  CDlg3& page = m_dlgUser1;
  m_snapAutoPowerOff = static_cast<BYTE>(page.m_comboAutoPowerOff.GetCurSel());
  m_snapDate = page.m_dateClock.GetWindowText();
  m_snapTime = page.m_timeClock.GetWindowText();
  m_snapMemInterval = page.m_editMemInterval.GetWindowText();
  m_snapBuzzer = page.m_editBuzzer.GetWindowText();
  m_snapAlarmMode = static_cast<BYTE>(page.m_comboAlarmMode.GetCurSel());
  m_snapLevel1 = page.m_editLevel1.GetWindowText();
  m_snapLevel2 = page.m_editLevel2.GetWindowText();
  m_snapLevel3 = page.m_editLevel3.GetWindowText();
  m_snapLevel4 = page.m_editLevel4.GetWindowText();
  m_snapIoTInterval = page.m_comboIoTInterval.GetWindowText();
  m_snapIoTStart = page.m_editIoTStart.GetWindowText();
  m_snapIoTStop = page.m_editIoTStop.GetWindowText();
}

void CTAVODlg::TakeHumidityLimitSnapshot() {
  m_snapHumidityLimit = m_dlgMaker1.m_editHumidityLimit.GetWindowText();
}

void CTAVODlg::TakeModelCodeSnapshot() {
  m_snapModelCode = static_cast<BYTE>(m_dlgMaker1.m_comboModel.GetCurSel());
}
