// The version query '#v' (reply layout in instrument/identity.cpp), shown on
// the pages with what it tells of the instrument's features.
#include "commands/identification.h"

#include "commands/command_context.h"
#include "instrument/catalogue.h"
#include "instrument/identity.h"

namespace {

void ApplyIoTRule(CCommandContext& context, bool iot) {
  context.m_dlgUser1.m_comboIoTInterval.EnableWindow(iot);
  context.m_dlgUser1.m_editIoTStart.EnableWindow(iot);
  context.m_dlgUser1.m_editIoTStop.EnableWindow(iot);
  context.m_bIoTUnit = iot ? 1 : 0;
}

// A known model selects its model code and decides the humidity limit edit.
void ApplyModelRule(CCommandContext& context, int modelCode) {
  if (modelCode < 0) return;
  context.m_dlgMaker1.m_comboModel.SetCurSel(modelCode);
  context.m_dlgMaker1.m_editHumidityLimit.EnableWindow(inst::ModelHasHumidityLimit(modelCode));
}

}  // namespace

int IdentifyInstrument(CCommandContext& context) {
  inst::Identity identity;
  if (!context.m_pSerial || !inst::Identify(*context.m_pSerial, identity)) return 0;
  context.m_dlgUser2.m_staticModelName.SetWindowText(identity.model.c_str());
  context.m_dlgUser2.m_staticVersion.SetWindowText(identity.version.c_str());
  ApplyIoTRule(context, identity.iot);
  ApplyModelRule(context, identity.modelCode);
  return 1;
}
