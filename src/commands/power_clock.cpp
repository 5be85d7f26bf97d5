// Reply layouts of '$Q' and '$T': see the catalogue.
#include "commands/power_clock.h"

#include "commands/setting_command.h"

int GetAutoPowerOff(CCommandContext& context) { return QuerySettings(context, 'Q'); }

int SetAutoPowerOff(CCommandContext& context) { return SendGroup(context, inst::Group::AutoPowerOff); }

// A clock that is no date and time leaves both pickers as they are.
int GetClock(CCommandContext& context) { return QuerySettings(context, 'T'); }

// The date of picker 1071 and the time of day of picker 1083; nothing is sent
// when a picker holds no value or the year is outside 2000-2099.
int SetClock(CCommandContext& context) { return SendGroup(context, inst::Group::Clock); }
