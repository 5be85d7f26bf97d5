#include "pages/dlg3.h"

void CDlg3::DoDataExchange(CDataExchange* pDX) {
  CPageDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DATE, m_dateClock);
  DDX_Control(pDX, IDC_TIME, m_timeClock);
  DDX_Control(pDX, IDC_EDIT_MEM_INTERVAL, m_editMemInterval);
  DDX_Control(pDX, IDC_EDIT_LEVEL1, m_editLevel1);
  DDX_Control(pDX, IDC_EDIT_LEVEL2, m_editLevel2);
  DDX_Control(pDX, IDC_EDIT_LEVEL3, m_editLevel3);
  DDX_Control(pDX, IDC_EDIT_LEVEL4, m_editLevel4);
  DDX_Control(pDX, IDC_COMBO_AUTO_POWER_OFF, m_comboAutoPowerOff);
  DDX_Control(pDX, IDC_COMBO_ALARM_MODE, m_comboAlarmMode);
  DDX_Control(pDX, IDC_EDIT_BUZZER, m_editBuzzer);
  DDX_Control(pDX, IDC_EDIT_IOT_START, m_editIoTStart);
  DDX_Control(pDX, IDC_EDIT_IOT_STOP, m_editIoTStop);
  DDX_Control(pDX, IDC_COMBO_IOT_INTERVAL, m_comboIoTInterval);
}

bool CDlg3::OnInitDialog() {
  CPageDialog::OnInitDialog();
  RememberClock();
  return true;
}

void CDlg3::PutClock(const fw::DateTime& clock) {
  m_dateClock.SetTime(clock);
  m_timeClock.SetTime(clock);
  RememberClock();
}

bool CDlg3::ClockChangedByUser() const {
  return m_dateClock.GetWindowText() != m_programDate || m_timeClock.GetWindowText() != m_programTime;
}

void CDlg3::RememberClock() {
  m_programDate = m_dateClock.GetWindowText();
  m_programTime = m_timeClock.GetWindowText();
}
