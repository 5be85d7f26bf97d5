// Reply layouts of '$L' and '$M': see the catalogue.
#include "commands/maker_settings.h"

#include "commands/command_context.h"
#include "commands/setting_command.h"

int GetHumidityLimit(CCommandContext& context) { return QuerySettings(context, 'L'); }
int SetHumidityLimit(CCommandContext& context) { return SendGroup(context, inst::Group::HumidityLimit); }

// A code beyond the list leaves no item selected and the edit as it is.
int GetModelCode(CCommandContext& context) {
  const int answered = QuerySettings(context, 'M');
  if (answered) context.m_dlgMaker1.ApplyModelToHumidityLimit();
  return answered;
}

int SetModelCode(CCommandContext& context) { return SendGroup(context, inst::Group::ModelCode); }

