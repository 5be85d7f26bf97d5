#include "commands/setting_command.h"

#include "commands/command_context.h"
#include "instrument/setting_codec.h"
#include "link/frames.h"
#include "link/transactions.h"
#include "pages/setting_binding.h"

namespace {

using Transaction = QueryOutcome (*)(CSerial&, const std::string&, char);

int Query(CCommandContext& dlg, char letter, const ShowReply& show, Transaction run) {
  if (!dlg.m_pSerial) return 0;
  QueryOutcome outcome = run(*dlg.m_pSerial, QueryFrame(letter), letter);
  if (outcome != QueryOutcome::Replied) return 0;
  const ReplyReader reply(*dlg.m_pSerial, letter);
  const bool shown = reply.Answered() && show(reply);
  return shown ? 1 : 0;
}

}  // namespace

int QuerySetting(CCommandContext& dlg, char letter, const ShowReply& show) {
  return Query(dlg, letter, show, &RunQuery);
}

int QuerySettings(CCommandContext& dlg, char letter, bool resendOnTimeOut) {
  auto show = [&](const ReplyReader& reply) {
    inst::InstrumentSettings values;
    if (!inst::TakeReply(letter, reply, values)) return false;
    for (const inst::Setting& setting : inst::Settings())
      if (setting.read.letter == letter) ShowSetting(PageOf(dlg, setting.page), setting, values);
    return true;
  };
  return Query(dlg, letter, show, resendOnTimeOut ? &RunQueryResendingOnTimeOut : &RunQuery);
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
