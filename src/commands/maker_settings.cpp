// Reply layouts of '$L' and '$M': see the catalogue.
#include "commands/maker_settings.h"

#include "commands/command_context.h"
#include "commands/setting_command.h"

int GetHumidityLimit(CCommandContext& dlg) { return QuerySettings(dlg, 'L'); }
int SetHumidityLimit(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::HumidityLimit); }

// A code beyond the list leaves no item selected and the edit as it is.
int GetModelCode(CCommandContext& dlg) {
  const int answered = QuerySettings(dlg, 'M');
  if (answered) dlg.m_dlgMaker1.ApplyModelToHumidityLimit();
  return answered;
}

int SetModelCode(CCommandContext& dlg) { return SendGroup(dlg, inst::Group::ModelCode); }

