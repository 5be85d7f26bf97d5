#include "commands/setting_command.h"

#include "app/tavo_dlg.h"
#include "link/frames.h"
#include "link/reply_fields.h"
#include "link/transactions.h"

namespace {

using Transaction = QueryOutcome (*)(CSerial&, const std::string&, char);

int Query(CTAVODlg& dlg, char letter, const ShowReply& show, Transaction run) {
  if (!dlg.m_pSerial) return 0;
  QueryOutcome outcome = run(*dlg.m_pSerial, QueryFrame(letter), letter);
  if (!HasReply(outcome)) return 0;
  const ReplyReader reply(*dlg.m_pSerial, letter);
  const bool shown = reply.Answered() && show(reply);
  return shown ? QueryResult(outcome) : 0;
}

}  // namespace

int QuerySetting(CTAVODlg& dlg, char letter, const ShowReply& show) {
  return Query(dlg, letter, show, &RunQuery);
}

int QuerySettingResendingOnTimeOut(CTAVODlg& dlg, char letter, const ShowReply& show) {
  return Query(dlg, letter, show, &RunQueryResendingOnTimeOut);
}

int SendSetting(CTAVODlg& dlg, const std::string& frame) {
  if (!dlg.m_pSerial) return 0;
  return SendSettingFrame(*dlg.m_pSerial, frame);
}

int SendSelection(CTAVODlg& dlg, const CComboBox& combo, std::string (*frameOf)(char digit)) {
  char digit;
  if (!SelectionDigit(combo.GetCurSel(), digit)) return 0;
  return SendSetting(dlg, frameOf(digit));
}
