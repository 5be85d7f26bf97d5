#include "pages/setting_binding.h"

#include "pages/dlg3.h"

void ShowSetting(CPageDialog& page, const inst::Setting& setting, const inst::InstrumentSettings& values) {
  if (setting.kind == inst::Kind::Clock) {
    if (values.hasClock) static_cast<CDlg3&>(page).PutClock(values.clock);
    return;
  }
  CComboBox control;   // a list; an edit takes its text as any window does
  control.Attach(page.GetDlgItemHandle(setting.control));
  if (setting.kind == inst::Kind::List) control.SetCurSel(values[setting].item);
  else control.CWnd::SetWindowText(values[setting].text.c_str());
}

void TakeSetting(const CPageDialog& page, const inst::Setting& setting, inst::InstrumentSettings& values) {
  if (setting.kind == inst::Kind::Clock) {
    const CDlg3& user1 = static_cast<const CDlg3&>(page);
    values.clockSetByUser = user1.ClockChangedByUser();
    fw::DateTime date, time;
    if (!user1.m_dateClock.GetTime(date) || !user1.m_timeClock.GetTime(time)) {
      values.SetClock(nullptr);
      return;
    }
    fw::DateTime clock = date;
    clock.hour = time.hour;
    clock.minute = time.minute;
    clock.second = time.second;
    values.SetClock(&clock);
    return;
  }
  CComboBox control;
  control.Attach(page.GetDlgItemHandle(setting.control));
  if (setting.kind == inst::Kind::List) values[setting].item = control.GetCurSel();
  else values[setting].text = control.GetWindowText().str();
}
