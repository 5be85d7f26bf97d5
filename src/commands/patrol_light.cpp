// Reply layouts of '$K' and '$S': see the catalogue.
#include "commands/patrol_light.h"

#include "commands/setting_command.h"

int GetPatrolLightMode(CCommandContext& context) { return QuerySettings(context, 'K'); }
int SetPatrolLightMode(CCommandContext& context) { return SendGroup(context, inst::Group::AlarmMode); }
int GetPatrolLightThresholds(CCommandContext& context) { return QuerySettings(context, 'S'); }
int SetPatrolLightThresholds(CCommandContext& context) { return SendGroup(context, inst::Group::Levels); }
