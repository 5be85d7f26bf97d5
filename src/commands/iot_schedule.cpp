// Reply layout of '$s' (2, 6, 7, 8 and 11 are not read):
//   3-5    start interval in minutes, three digits
//   9-10   communication start hour, two digits
//   12-13  communication stop hour, two digits
#include "commands/iot_schedule.h"

#include "commands/command_context.h"
#include "commands/setting_command.h"
#include "commands/setting_values.h"
#include "link/frames.h"

namespace {

const int kIntervalPosition = 3;
const int kIntervalLength = 3;
const int kStartPosition = 9;
const int kStopPosition = 12;
const int kHourLength = 2;

}  // namespace

// An interval not in the list keeps the combo's selection; the hours are shown all the same.
int GetIoTSchedule(CCommandContext& dlg) {
  return QuerySettingResendingOnTimeOut(dlg, 's', [&](const ReplyReader& reply) {
    CDlg3& page = dlg.m_dlgUser1;
    int minutes;
    int item = LeadingNumber(reply.Field(kIntervalPosition, kIntervalLength), kIntervalLength, minutes)
                   ? IoTIntervalItem(minutes)
                   : -1;
    if (item >= 0) page.m_comboIoTInterval.SetCurSel(item);
    page.m_editIoTStart.SetWindowText(reply.Field(kStartPosition, kHourLength).c_str());
    page.m_editIoTStop.SetWindowText(reply.Field(kStopPosition, kHourLength).c_str());
    return true;
  });
}

// The minutes of the selected item's text ("15分"); without a selection there
// is no interval to send.
int SetIoTInterval(CCommandContext& dlg) {
  const CComboBox& combo = dlg.m_dlgUser1.m_comboIoTInterval;
  const int item = combo.GetCurSel();
  if (item < 0) return 0;
  CString text;
  combo.GetLBText(item, text);
  int minutes;
  if (!LeadingNumber(text.str(), 3, minutes)) return 0;
  return SendSetting(dlg, IoTIntervalFrame(minutes));
}

// The leading digits of each edit (an empty edit gives hour 0); an hour of
// more than two digits is not sent.
int SetIoTCommHours(CCommandContext& dlg) {
  int start, stop;
  if (!LeadingNumber(dlg.m_dlgUser1.m_editIoTStart.GetWindowText().str(), kHourLength, start) ||
      !LeadingNumber(dlg.m_dlgUser1.m_editIoTStop.GetWindowText().str(), kHourLength, stop))
    return 0;
  return SendSetting(dlg, IoTCommHoursFrame(start, stop));
}
