// Reply layouts:
//   '$I'  2-4  minutes, three characters
//   '$B'  2    sign ('-' for a negative value)
//         3-6  value, four characters; 7 on is not read
#include "commands/memory_buzzer.h"

#include "commands/command_context.h"
#include "commands/setting_command.h"
#include "link/frames.h"

namespace {

const int kIntervalPosition = 2;
const int kIntervalLength = 3;
const int kBuzzerSign = 2;
const int kValueWidth = 4;

}  // namespace

int GetMemoryInterval(CCommandContext& dlg) {
  return QuerySetting(dlg, 'I', [&](const ReplyReader& reply) {
    const std::string interval = reply.Number(kIntervalPosition, kIntervalLength);
    if (reply.Damaged()) return false;
    dlg.m_dlgUser1.m_editMemInterval.SetWindowText(interval.c_str());
    return true;
  });
}

int SetMemoryInterval(CCommandContext& dlg) {
  return SendSetting(dlg, MemoryIntervalFrame(dlg.m_dlgUser1.m_editMemInterval.GetWindowText().str()));
}

int GetBuzzerAlarm(CCommandContext& dlg) {
  return QuerySetting(dlg, 'B', [&](const ReplyReader& reply) {
    const std::string buzzer = reply.SignedNumber(kBuzzerSign, kValueWidth);
    if (reply.Damaged()) return false;
    dlg.m_dlgUser1.m_editBuzzer.SetWindowText(buzzer.c_str());
    return true;
  });
}

int SetBuzzerAlarm(CCommandContext& dlg) {
  return SendSetting(dlg, BuzzerAlarmFrame(dlg.m_dlgUser1.m_editBuzzer.GetWindowText().str()));
}
