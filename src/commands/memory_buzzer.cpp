// Reply layouts of '$I' and '$B': see the catalogue.
#include "commands/memory_buzzer.h"

#include "commands/setting_command.h"

int GetMemoryInterval(CCommandContext& dlg) { return QuerySettings(dlg, 'I'); }
int SetMemoryInterval(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::MemoryInterval); }
int GetBuzzerAlarm(CCommandContext& dlg) { return QuerySettings(dlg, 'B'); }
int SetBuzzerAlarm(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::Buzzer); }
