// Reply layouts of '$Q' and '$T': see the catalogue. User page 2 shows both
// as text.
#include "commands/power_clock.h"

#include "commands/command_context.h"
#include "commands/setting_command.h"
#include "instrument/setting_values.h"

namespace {

const int kChoicePosition = 2;
const int kClockPosition = 2;

// The texts of user page 2 for the choices '0' and '1'.
const char* const kAutoPowerOffTexts[] = {"許可", "禁止"};

}  // namespace

int GetAutoPowerOff(CCommandContext& context) { return QuerySettings(context, 'Q'); }

int ShowAutoPowerOff(CCommandContext& context) {
  return QuerySetting(context, 'Q', [&](const ReplyReader& reply) {
    const int choice = DigitValue(reply.At(kChoicePosition));
    if (reply.Damaged()) return false;
    if (choice <= 1) context.m_dlgUser2.m_staticAutoPowerOff.SetWindowText(kAutoPowerOffTexts[choice]);
    return true;
  });
}

int SetAutoPowerOff(CCommandContext& context) { return SendGroup(context, inst::Group::AutoPowerOff); }

// A clock that is no date and time leaves both pickers as they are.
int GetClock(CCommandContext& context) { return QuerySettings(context, 'T'); }

// The fields as they came, unchecked.
int ShowClock(CCommandContext& context) {
  return QuerySetting(context, 'T', [&](const ReplyReader& reply) {
    auto field = [&](int k) { return reply.Field(kClockPosition + 2 * k, 2); };
    CString text;
    text.Format("20%s/%s/%s %s:%s:%s", field(0).c_str(), field(1).c_str(), field(2).c_str(), field(3).c_str(),
                field(4).c_str(), field(5).c_str());
    if (reply.Damaged()) return false;
    context.m_dlgUser2.m_staticClock.SetWindowText(text);
    return true;
  });
}

// The date of picker 1071 and the time of day of picker 1083; nothing is sent
// when a picker holds no value or the year is outside 2000-2099.
int SetClock(CCommandContext& context) { return SendGroup(context, inst::Group::Clock); }
