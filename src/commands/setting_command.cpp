#include "commands/setting_command.h"

#include "commands/command_context.h"
#include "commands/setting_values.h"
#include "link/frames.h"
#include "link/reply_fields.h"
#include "link/transactions.h"

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

int QuerySettingResendingOnTimeOut(CCommandContext& dlg, char letter, const ShowReply& show) {
  return Query(dlg, letter, show, &RunQueryResendingOnTimeOut);
}

int SendSetting(CCommandContext& dlg, const std::string& frame) {
  if (!dlg.m_pSerial) return 0;
  return SendSettingFrame(*dlg.m_pSerial, frame);
}

void SelectReplyDigit(CComboBox& combo, char digit) {
  int item = IsDecimalDigit(digit) ? DigitValue(digit) : -1;
  if (item >= combo.GetCount()) item = -1;
  combo.SetCurSel(item);
}

int SendSelection(CCommandContext& dlg, const CComboBox& combo, std::string (*frameOf)(char digit)) {
  char digit;
  if (!SelectionDigit(combo.GetCurSel(), digit)) return 0;
  return SendSetting(dlg, frameOf(digit));
}
