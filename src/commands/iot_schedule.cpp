// Reply layout of '$s': see the catalogue.
#include "commands/iot_schedule.h"

#include "commands/setting_command.h"

// An interval that is not three digits of the list leaves the combo without a
// selection; the hours are shown all the same.
int GetIoTSchedule(CCommandContext& dlg) { return QuerySettings(dlg, 's'); }
int SetIoTInterval(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::IoTInterval); }
int SetIoTCommHours(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::IoTHours); }
