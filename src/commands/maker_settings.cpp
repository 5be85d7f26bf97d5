// Reply layouts:
//   '$L'  2    sign ('-' for a negative value), or the first digit of a
//              five-character value such as 100.0
//         3-6  value, four characters; 7 on is not read
//   '$M'  2    the model code digit (the item of combo 1129)
#include "commands/maker_settings.h"

#include "commands/command_context.h"
#include "commands/setting_command.h"
#include "commands/setting_values.h"
#include "link/frames.h"
#include "link/transactions.h"

namespace {

const int kLimitPosition = 2;
const int kValueWidth = 4;
const int kModelPosition = 2;

// A digit in the sign position means the value fills all five places (100.0).
std::string HumidityLimitText(const ReplyReader& reply) {
  if (IsDecimalDigit(reply.At(kLimitPosition))) return reply.Number(kLimitPosition, kValueWidth + 1);
  return reply.SignedNumber(kLimitPosition, kValueWidth);
}

}  // namespace

int GetHumidityLimit(CCommandContext& dlg) {
  return QuerySetting(dlg, 'L', [&](const ReplyReader& reply) {
    const std::string limit = HumidityLimitText(reply);
    if (reply.Damaged()) return false;
    dlg.m_dlgMaker1.m_editHumidityLimit.SetWindowText(limit.c_str());
    return true;
  });
}

int SetHumidityLimit(CCommandContext& dlg) {
  return SendSetting(dlg, HumidityLimitFrame(dlg.m_dlgMaker1.m_editHumidityLimit.GetWindowText().str()));
}

// A code beyond the list leaves no item selected and the edit as it is.
int GetModelCode(CCommandContext& dlg) {
  return QuerySetting(dlg, 'M', [&](const ReplyReader& reply) {
    const char model = reply.At(kModelPosition);
    if (reply.Damaged()) return false;
    SelectReplyDigit(dlg.m_dlgMaker1.m_comboModel, model);
    dlg.m_dlgMaker1.ApplyModelToHumidityLimit();
    return true;
  });
}

int SetModelCode(CCommandContext& dlg) { return SendSelection(dlg, dlg.m_dlgMaker1.m_comboModel, &ModelCodeFrame); }

int ResetInstrumentSettings(CCommandContext& dlg) {
  return dlg.m_pSerial ? RunResetTransaction(*dlg.m_pSerial, ResetSettingsFrame()) : 0;
}
