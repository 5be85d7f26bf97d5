// Reply layouts:
//   '$Q'  2     the choice: '0' permitted, '1' prohibited (the item of combo 1030)
//   '$T'  2-13  the clock YYMMDDhhmmss, two digits a field (year 2000 + YY)
#include "commands/power_clock.h"

#include "commands/command_context.h"
#include "commands/setting_command.h"
#include "commands/setting_values.h"
#include "link/frames.h"

namespace {

const int kChoicePosition = 2;
const int kClockPosition = 2;
const int kClockLength = 12;

// The texts of user page 2 for the choices '0' and '1'.
const char* const kAutoPowerOffTexts[] = {"許可", "禁止"};

}  // namespace

int GetAutoPowerOff(CCommandContext& dlg) {
  return QuerySetting(dlg, 'Q', [&](const ReplyReader& reply) {
    const char choice = reply.At(kChoicePosition);
    if (reply.Damaged()) return false;
    SelectReplyDigit(dlg.m_dlgUser1.m_comboAutoPowerOff, choice);
    return true;
  });
}

int ShowAutoPowerOff(CCommandContext& dlg) {
  return QuerySetting(dlg, 'Q', [&](const ReplyReader& reply) {
    const int choice = DigitValue(reply.At(kChoicePosition));
    if (reply.Damaged()) return false;
    if (choice <= 1) dlg.m_dlgUser2.m_staticAutoPowerOff.SetWindowText(kAutoPowerOffTexts[choice]);
    return true;
  });
}

int SetAutoPowerOff(CCommandContext& dlg) {
  return SendSelection(dlg, dlg.m_dlgUser1.m_comboAutoPowerOff, &AutoPowerOffFrame);
}

// A clock that is no date and time leaves both pickers as they are.
int GetClock(CCommandContext& dlg) {
  return QuerySetting(dlg, 'T', [&](const ReplyReader& reply) {
    fw::DateTime clock;
    if (!ParseClockDigits(reply.Field(kClockPosition, kClockLength), clock) || reply.Damaged()) return false;
    dlg.m_dlgUser1.PutClock(clock);
    return true;
  });
}

// The fields as they came, unchecked.
int ShowClock(CCommandContext& dlg) {
  return QuerySetting(dlg, 'T', [&](const ReplyReader& reply) {
    auto field = [&](int k) { return reply.Field(kClockPosition + 2 * k, 2); };
    CString text;
    text.Format("20%s/%s/%s %s:%s:%s", field(0).c_str(), field(1).c_str(), field(2).c_str(), field(3).c_str(),
                field(4).c_str(), field(5).c_str());
    if (reply.Damaged()) return false;
    dlg.m_dlgUser2.m_staticClock.SetWindowText(text);
    return true;
  });
}

// The date of picker 1071 and the time of day of picker 1083; nothing is sent
// when a picker holds no value or the year is outside 2000-2099.
int SetClock(CCommandContext& dlg) {
  fw::DateTime date, time;
  if (!dlg.m_dlgUser1.m_dateClock.GetTime(date) || !dlg.m_dlgUser1.m_timeClock.GetTime(time)) return 0;
  fw::DateTime clock = date;
  clock.hour = time.hour;
  clock.minute = time.minute;
  clock.second = time.second;
  clock.millisecond = 0;
  std::string digits;
  if (!ClockDigits(clock, digits)) return 0;
  return SendSetting(dlg, ClockFrame(digits));
}
