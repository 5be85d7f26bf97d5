// Reply layouts:
//   '$K'  2  the mode: '0' off, '1' on (the item of combo 1092)
//   '$S'  as the setting frame: per level a tag, a signed value and '6'
//         level 1: 2 'a', 3 sign, 4-7 value, 8 '6'
//         level 2: 9 'b', 10 sign, 11-14 value, 15 '6'
//         level 3: 16 'c', 17 sign, 18-21 value, 22 '6'
//         level 4: 23 'd', 24 sign, 25-28 value, 29 '6'
//         only the signs and values are read.
#include "commands/patrol_light.h"

#include <string>

#include "commands/command_context.h"
#include "commands/setting_command.h"
#include "commands/setting_values.h"
#include "link/frames.h"

namespace {

const int kModePosition = 2;
const int kValueWidth = 4;

struct Level {
  int signPosition;
  CEdit CDlg3::*edit;
};
const Level kLevels[4] = {
    {3, &CDlg3::m_editLevel1},
    {10, &CDlg3::m_editLevel2},
    {17, &CDlg3::m_editLevel3},
    {24, &CDlg3::m_editLevel4},
};

}  // namespace

int GetPatrolLightMode(CCommandContext& dlg) {
  return QuerySetting(dlg, 'K', [&](const ReplyReader& reply) {
    const char mode = reply.At(kModePosition);
    if (reply.Damaged()) return false;
    SelectReplyDigit(dlg.m_dlgUser1.m_comboAlarmMode, mode);
    return true;
  });
}

int SetPatrolLightMode(CCommandContext& dlg) {
  return SendSelection(dlg, dlg.m_dlgUser1.m_comboAlarmMode, &PatrolLightModeFrame);
}

int GetPatrolLightThresholds(CCommandContext& dlg) {
  return QuerySetting(dlg, 'S', [&](const ReplyReader& reply) {
    std::string values[4];
    for (int i = 0; i < 4; ++i) values[i] = reply.SignedNumber(kLevels[i].signPosition, kValueWidth);
    if (reply.Damaged()) return false;
    for (int i = 0; i < 4; ++i) (dlg.m_dlgUser1.*kLevels[i].edit).SetWindowText(values[i].c_str());
    return true;
  });
}

int SetPatrolLightThresholds(CCommandContext& dlg) {
  std::string levels[4];
  for (int i = 0; i < 4; ++i) levels[i] = (dlg.m_dlgUser1.*kLevels[i].edit).GetWindowText().str();
  return SendSetting(dlg, PatrolLightThresholdsFrame(levels));
}
