// The write sequences of user page 1 and maker page 1: only the setting
// groups whose controls differ from the snapshot are sent, in a fixed order,
// each acknowledged or resent, with one retry counter for the whole sequence.
#include "app/tavo_dlg.h"
#include "commands/iot_schedule.h"
#include "commands/maker_settings.h"
#include "commands/memory_buzzer.h"
#include "commands/patrol_light.h"
#include "commands/power_clock.h"
#include "framework/ui.h"
#include "link/transactions.h"
#include "pages/field_checks.h"
#include "res/resource.h"

namespace {

// One setting group: whether its controls differ from the snapshot, its set
// command, how the snapshot takes the acknowledged values, its failure
// message, and the edits whose texts go into its frame (0-terminated; null
// for none). Each must pass its page's check before the frame is sent,
// whether the user typed it or the instrument reported it; where `allFilled`,
// an empty one fails too, since it would go out as zero.
struct WriteGroup {
  bool (*changed)(const CTAVODlg&);
  int (*send)(CCommandContext&);
  void (*record)(CTAVODlg&);
  const char* message;
  const char* caption;
  const int* fields;
  bool allFilled;
};

const int kBuzzerFields[] = {IDC_EDIT_BUZZER, 0};
const int kIntervalFields[] = {IDC_EDIT_MEM_INTERVAL, 0};
const int kLevelFields[] = {IDC_EDIT_LEVEL1, IDC_EDIT_LEVEL2, IDC_EDIT_LEVEL3, IDC_EDIT_LEVEL4, 0};
const int kHourFields[] = {IDC_EDIT_IOT_START, IDC_EDIT_IOT_STOP, 0};
const int kHumidityLimitFields[] = {IDC_EDIT_HUMIDITY_LIMIT, 0};

CString Text(const CWnd& control) { return control.GetWindowText(); }
BYTE Index(const CComboBox& combo) { return static_cast<BYTE>(combo.GetCurSel()); }

const WriteGroup kUser1Groups[] = {
    {[](const CTAVODlg& d) { return Index(d.m_dlgUser1.m_comboAutoPowerOff) != d.m_snapAutoPowerOff; },
     SetAutoPowerOff,
     [](CTAVODlg& d) { d.m_snapAutoPowerOff = Index(d.m_dlgUser1.m_comboAutoPowerOff); },
     "ｵｰﾄﾊﾟﾜｰｵﾌの設定に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ設定異常", nullptr, false},
    {[](const CTAVODlg& d) {
       CString buzzer = Text(d.m_dlgUser1.m_editBuzzer);
       return buzzer != d.m_snapBuzzer && !buzzer.IsEmpty();
     },
     SetBuzzerAlarm, [](CTAVODlg& d) { d.m_snapBuzzer = Text(d.m_dlgUser1.m_editBuzzer); },
     "ﾌﾞｻﾞｰ警報の設定に失敗しました。", "ﾌﾞｻﾞｰ警報設定異常", kBuzzerFields, false},
    // Before the clock was ever read or set, only a clock the user set counts.
    {[](const CTAVODlg& d) {
       if (d.m_snapDate.IsEmpty() && d.m_snapTime.IsEmpty()) return d.m_dlgUser1.ClockChangedByUser();
       return Text(d.m_dlgUser1.m_dateClock) != d.m_snapDate || Text(d.m_dlgUser1.m_timeClock) != d.m_snapTime;
     },
     SetClock,
     [](CTAVODlg& d) {
       d.m_snapDate = Text(d.m_dlgUser1.m_dateClock);
       d.m_snapTime = Text(d.m_dlgUser1.m_timeClock);
     },
     "時刻の設定に失敗しました。", "時刻設定異常", nullptr, false},
    {[](const CTAVODlg& d) { return Index(d.m_dlgUser1.m_comboAlarmMode) != d.m_snapAlarmMode; },
     SetPatrolLightMode, [](CTAVODlg& d) { d.m_snapAlarmMode = Index(d.m_dlgUser1.m_comboAlarmMode); },
     "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞの設定に失敗しました。", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ設定異常", nullptr, false},
    {[](const CTAVODlg& d) {
       CString interval = Text(d.m_dlgUser1.m_editMemInterval);
       return interval != d.m_snapMemInterval && !interval.IsEmpty();
     },
     SetMemoryInterval, [](CTAVODlg& d) { d.m_snapMemInterval = Text(d.m_dlgUser1.m_editMemInterval); },
     "ﾒﾓﾘ間隔時間の設定に失敗しました。", "ﾒﾓﾘ間隔時間設定異常", kIntervalFields, false},
    {[](const CTAVODlg& d) {
       const CDlg3& p = d.m_dlgUser1;
       CString levels[] = {Text(p.m_editLevel1), Text(p.m_editLevel2), Text(p.m_editLevel3), Text(p.m_editLevel4)};
       bool differs = levels[0] != d.m_snapLevel1 || levels[1] != d.m_snapLevel2 || levels[2] != d.m_snapLevel3 ||
                      levels[3] != d.m_snapLevel4;
       bool anyFilled = !levels[0].IsEmpty() || !levels[1].IsEmpty() || !levels[2].IsEmpty() || !levels[3].IsEmpty();
       return differs && anyFilled;
     },
     SetPatrolLightThresholds,
     [](CTAVODlg& d) {
       d.m_snapLevel1 = Text(d.m_dlgUser1.m_editLevel1);
       d.m_snapLevel2 = Text(d.m_dlgUser1.m_editLevel2);
       d.m_snapLevel3 = Text(d.m_dlgUser1.m_editLevel3);
       d.m_snapLevel4 = Text(d.m_dlgUser1.m_editLevel4);
     },
     "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値の設定に失敗しました。", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値設定異常", kLevelFields, true},
    // The IoT unit groups: only for instruments that have one.
    {[](const CTAVODlg& d) { return Text(d.m_dlgUser1.m_comboIoTInterval) != d.m_snapIoTInterval; },
     SetIoTInterval, [](CTAVODlg& d) { d.m_snapIoTInterval = Text(d.m_dlgUser1.m_comboIoTInterval); },
     "IoTﾕﾆｯﾄの設定に失敗しました。", "IoTﾕﾆｯﾄ設定異常", nullptr, false},
    {[](const CTAVODlg& d) {
       CString start = Text(d.m_dlgUser1.m_editIoTStart), stop = Text(d.m_dlgUser1.m_editIoTStop);
       return (start != d.m_snapIoTStart || stop != d.m_snapIoTStop) && (!start.IsEmpty() || !stop.IsEmpty());
     },
     SetIoTCommHours,
     [](CTAVODlg& d) {
       d.m_snapIoTStart = Text(d.m_dlgUser1.m_editIoTStart);
       d.m_snapIoTStop = Text(d.m_dlgUser1.m_editIoTStop);
     },
     "IoTﾕﾆｯﾄの設定に失敗しました。", "IoTﾕﾆｯﾄ設定異常", kHourFields, true},
};
const int kGroupsWithoutIoT = 6;

const WriteGroup kHumidityLimitGroup = {
    [](const CTAVODlg& d) { return Text(d.m_dlgMaker1.m_editHumidityLimit) != d.m_snapHumidityLimit; },
    SetHumidityLimit, [](CTAVODlg& d) { d.m_snapHumidityLimit = Text(d.m_dlgMaker1.m_editHumidityLimit); },
    "相対湿度表示上限値の設定に失敗しました。", "相対湿度表示上限値設定異常", kHumidityLimitFields, false};

const WriteGroup kModelCodeGroup = {
    [](const CTAVODlg& d) { return Index(d.m_dlgMaker1.m_comboModel) != d.m_snapModelCode; }, SetModelCode,
    [](CTAVODlg& d) { d.m_snapModelCode = Index(d.m_dlgMaker1.m_comboModel); }, "機種コード設定に失敗しました。",
    "機種コード設定異常", nullptr, false};

// The check of the first of the group's fields on `page` that fails it; null
// when every one passes.
const FieldCheck* FirstFailedField(const CPageDialog& page, const WriteGroup& group) {
  for (const int* id = group.fields; id && *id; ++id)
    if (const FieldCheck* failed = page.FailedCheck(*id, group.allFilled)) return failed;
  return nullptr;
}

// Sends one group of `page` when it changed; 0 (after its message) when a
// field of its frame fails its check or the frame was not acknowledged. A
// frame that cannot be built or written fails the group at once and uses one
// resend.
int WriteChangedGroup(CTAVODlg& dlg, const CPageDialog& page, const WriteGroup& group, int& retryCounter) {
  if (!group.changed(dlg)) return 1;
  if (const FieldCheck* failed = FirstFailedField(page, group)) {
    dlg.MessageBox(failed->message, failed->caption, fw::kMbOk | fw::kMbIconExclamation);
    return 0;
  }
  const bool acknowledged = RunSetTransaction(*dlg.m_pSerial, [&] { return group.send(dlg); }, retryCounter,
                                              WriteFailure::EndsTransaction) != 0;
  if (dlg.m_onGroupWritten) dlg.m_onGroupWritten(group.send, acknowledged);
  if (acknowledged) {
    group.record(dlg);
    return 1;
  }
  dlg.MessageBox(group.message, group.caption, fw::kMbOk | fw::kMbIconError);
  return 0;
}

bool HasHumidityLimit(BYTE model) { return model == 1 || model == 3 || model == 5; }

}  // namespace

int CTAVODlg::WriteUser1Settings() {
  if (!m_pSerial) return 0;
  CWaitCursor wait;
  int result = 1, retryCounter = 1;
  const int groups = m_bIoTUnit ? static_cast<int>(sizeof kUser1Groups / sizeof kUser1Groups[0]) : kGroupsWithoutIoT;
  for (int i = 0; i < groups; ++i) {
    if (i > 0) PauseBetweenCommands();
    if (!WriteChangedGroup(*this, m_dlgUser1, kUser1Groups[i], retryCounter)) result = 0;
  }
  return result;
}

int CTAVODlg::WriteMaker1Settings() {
  if (!m_pSerial) return 0;
  CWaitCursor wait;
  int result = 1, retryCounter = 1;
  if (HasHumidityLimit(Index(m_dlgMaker1.m_comboModel)) &&
      !WriteChangedGroup(*this, m_dlgMaker1, kHumidityLimitGroup, retryCounter))
    result = 0;
  PauseBetweenCommands();
  if (!WriteChangedGroup(*this, m_dlgMaker1, kModelCodeGroup, retryCounter)) result = 0;
  return result;
}
