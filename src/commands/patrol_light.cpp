// Reply layouts of '$K' and '$S': see the catalogue.
#include "commands/patrol_light.h"

#include "commands/setting_command.h"

int GetPatrolLightMode(CCommandContext& dlg) { return QuerySettings(dlg, 'K'); }
int SetPatrolLightMode(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::AlarmMode); }
int GetPatrolLightThresholds(CCommandContext& dlg) { return QuerySettings(dlg, 'S'); }
int SetPatrolLightThresholds(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::Levels); }
