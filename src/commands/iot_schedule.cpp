// Reply layout of '$s': see the catalogue.
#include "commands/iot_schedule.h"

#include "commands/setting_command.h"

// An interval that is not three digits of the list leaves the combo without a
// selection; the hours are shown all the same.
int GetIoTSchedule(CCommandContext& context) { return QuerySettings(context, 's'); }
int SetIoTInterval(CCommandContext& context) { return SendGroup(context, inst::Group::IoTInterval); }
int SetIoTCommHours(CCommandContext& context) { return SendGroup(context, inst::Group::IoTHours); }
