#include "commands/setting_command.h"

#include "commands/command_context.h"
#include "instrument/query.h"
#include "instrument/setting_codec.h"
#include "link/frames.h"
#include "link/transactions.h"
#include "pages/setting_binding.h"

int QuerySetting(CCommandContext& dlg, char letter, const ShowReply& show) {
  if (!dlg.m_pSerial) return 0;
  QueryOutcome outcome = RunQuery(*dlg.m_pSerial, QueryFrame(letter), letter);
  if (outcome != QueryOutcome::Replied) return 0;
  const ReplyReader reply(*dlg.m_pSerial, letter);
  const bool shown = reply.Answered() && show(reply);
  return shown ? 1 : 0;
}

int QuerySettings(CCommandContext& dlg, char letter) {
  inst::InstrumentSettings values;
  if (!dlg.m_pSerial || !inst::QueryInto(*dlg.m_pSerial, letter, values)) return 0;
  ShowReplySettings(dlg, letter, values);
  return 1;
}

void ShowReplySettings(CCommandContext& dlg, char letter, const inst::InstrumentSettings& values) {
  for (const inst::Setting& setting : inst::Settings())
    if (setting.read.letter == letter) ShowSetting(PageOf(dlg, setting.page), setting, values);
}

CPageDialog& PageOf(CCommandContext& dlg, int page) {
  if (page == dlg.m_dlgUser2.GetTemplateId()) return dlg.m_dlgUser2;
  if (page == dlg.m_dlgMaker1.GetTemplateId()) return dlg.m_dlgMaker1;
  if (page == dlg.m_dlgMaker2.GetTemplateId()) return dlg.m_dlgMaker2;
  return dlg.m_dlgUser1;
}

inst::InstrumentSettings PageValues(CCommandContext& dlg) {
  inst::InstrumentSettings values;
  for (const inst::Setting& setting : inst::Settings()) TakeSetting(PageOf(dlg, setting.page), setting, values);
  return values;
}

int SendGroup(CCommandContext& dlg, inst::Group group) {
  std::string frame;
  if (!dlg.m_pSerial || !inst::GroupFrame(group, PageValues(dlg), frame)) return 0;
  return SendSettingFrame(*dlg.m_pSerial, frame);
}
