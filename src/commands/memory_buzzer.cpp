// Reply layouts of '$I' and '$B': see the catalogue.
#include "commands/memory_buzzer.h"

#include "commands/setting_command.h"

int GetMemoryInterval(CCommandContext& context) { return QuerySettings(context, 'I'); }
int SetMemoryInterval(CCommandContext& context) { return SendGroup(context, inst::Group::MemoryInterval); }
int GetBuzzerAlarm(CCommandContext& context) { return QuerySettings(context, 'B'); }
int SetBuzzerAlarm(CCommandContext& context) { return SendGroup(context, inst::Group::Buzzer); }
