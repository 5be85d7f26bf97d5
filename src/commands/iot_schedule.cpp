// Reply layout of '$s' (2, 6, 7, 8 and 11 are not read):
//   3-5    start interval in minutes, three digits
//   9-10   communication start hour, two digits
//   12-13  communication stop hour, two digits
#include "commands/iot_schedule.h"

#include <string>

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

// The list item of an interval field, or -1 when it is not digits only or
// not in the list.
int IntervalItem(const std::string& field) {
  int minutes;
  if (static_cast<int>(field.size()) != kIntervalLength) return -1;
  for (char c : field)
    if (!IsDecimalDigit(c)) return -1;
  return LeadingNumber(field, kIntervalLength, minutes) ? IoTIntervalItem(minutes) : -1;
}

}  // namespace

// An interval that is not three digits of the list leaves the combo without a
// selection; the hours are shown all the same.
int GetIoTSchedule(CCommandContext& dlg) {
  return QuerySettingResendingOnTimeOut(dlg, 's', [&](const ReplyReader& reply) {
    const int interval = IntervalItem(reply.Field(kIntervalPosition, kIntervalLength));
    const std::string start = reply.Field(kStartPosition, kHourLength);
    const std::string stop = reply.Field(kStopPosition, kHourLength);
    if (reply.Damaged()) return false;
    CDlg3& page = dlg.m_dlgUser1;
    page.m_comboIoTInterval.SetCurSel(interval);
    page.m_editIoTStart.SetWindowText(start.c_str());
    page.m_editIoTStop.SetWindowText(stop.c_str());
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
