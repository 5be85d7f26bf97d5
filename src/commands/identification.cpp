// The version query '#v' (reply layout in instrument/identity.cpp), shown on
// the pages with what it tells of the instrument's features.
#include "commands/identification.h"

#include "commands/command_context.h"
#include "instrument/catalogue.h"
#include "instrument/identity.h"

namespace {

void ApplyIoTRule(CCommandContext& dlg, bool iot) {
  dlg.m_dlgUser1.m_comboIoTInterval.EnableWindow(iot);
  dlg.m_dlgUser1.m_editIoTStart.EnableWindow(iot);
  dlg.m_dlgUser1.m_editIoTStop.EnableWindow(iot);
  dlg.m_bIoTUnit = iot ? 1 : 0;
}

// A known model selects its model code and decides the humidity limit edit.
void ApplyModelRule(CCommandContext& dlg, int modelCode) {
  if (modelCode < 0) return;
  dlg.m_dlgMaker1.m_comboModel.SetCurSel(modelCode);
  dlg.m_dlgMaker1.m_editHumidityLimit.EnableWindow(inst::ModelHasHumidityLimit(modelCode));
}

}  // namespace

int IdentifyInstrument(CCommandContext& dlg) {
  inst::Identity identity;
  if (!dlg.m_pSerial || !inst::Identify(*dlg.m_pSerial, identity)) return 0;
  dlg.m_dlgUser2.m_staticModelName.SetWindowText(identity.model.c_str());
  dlg.m_dlgUser2.m_staticVersion.SetWindowText(identity.version.c_str());
  ApplyIoTRule(dlg, identity.iot);
  ApplyModelRule(dlg, identity.modelCode);
  return 1;
}
