#include "commands/setting_command.h"

#include "commands/command_context.h"
#include "instrument/query.h"
#include "instrument/setting_codec.h"
#include "link/frames.h"
#include "link/transactions.h"
#include "pages/setting_binding.h"

int QuerySettings(CCommandContext& context, char letter) {
  inst::InstrumentSettings values;
  if (!context.m_pSerial || !inst::QueryInto(*context.m_pSerial, letter, values)) return 0;
  ShowReplySettings(context, letter, values);
  return 1;
}

void ShowReplySettings(CCommandContext& context, char letter, const inst::InstrumentSettings& values) {
  for (const inst::Setting& setting : inst::Settings())
    if (setting.read.letter == letter) ShowSetting(PageOf(context, setting.page), setting, values);
}

CPageDialog& PageOf(CCommandContext& context, int page) {
  if (page == context.m_dlgUser2.GetTemplateId()) return context.m_dlgUser2;
  if (page == context.m_dlgMaker1.GetTemplateId()) return context.m_dlgMaker1;
  if (page == context.m_dlgMaker2.GetTemplateId()) return context.m_dlgMaker2;
  return context.m_dlgUser1;
}

inst::InstrumentSettings PageValues(CCommandContext& context) {
  inst::InstrumentSettings values;
  for (const inst::Setting& setting : inst::Settings()) TakeSetting(PageOf(context, setting.page), setting, values);
  return values;
}

int SendGroup(CCommandContext& context, inst::Group group) {
  std::string frame;
  if (!context.m_pSerial || !inst::GroupFrame(group, PageValues(context), frame)) return 0;
  return SendSettingFrame(*context.m_pSerial, frame);
}
