// The read sequences of the four pages: queries in a fixed order, a pause of
// SendDelay between two of them, one error box per failed step.
#include <functional>
#include <vector>

#include "app/tavo_dlg.h"
#include "commands/identification.h"
#include "commands/maker_settings.h"
#include "commands/measurement.h"
#include "commands/power_clock.h"
#include "framework/ui.h"
#include "res/resource.h"

namespace {

// One step of a read sequence and what the user is told when it fails.
struct ReadStep {
  std::function<int(CTAVODlg&)> query;
  const char* message;
  const char* caption;
};

// Runs every step, reporting each failure; the result of the last step.
int RunEveryStep(CTAVODlg& dlg, const std::vector<ReadStep>& steps) {
  int result = 0;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) dlg.PauseBetweenCommands();
    result = steps[i].query(dlg);
    if (!result) dlg.MessageBox(steps[i].message, steps[i].caption, fw::kMbOk | fw::kMbIconError);
  }
  return result;
}

}  // namespace

// The core's read, each reply shown at once; the snapshot is taken from the
// pages when every query was answered.
int CTAVODlg::ReadUser1Page() {
  const int result = RunSequence(&inst::ReadUser1Settings);
  if (result) TakeUser1Snapshot();
  return result;
}

int CTAVODlg::ReadUser2Page() {
  if (!m_pSerial) return 0;
  CWaitCursor wait;
  return RunEveryStep(*this, {
      {ShowAutoPowerOff, "ｵｰﾄﾊﾟﾜｰｵﾌの取得に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求"},
      {ShowClock, "時計の取得に失敗しました。", "時計取得要求"},
      {IdentifyInstrument, "Version Noの取得に送信に失敗しました。", "Version No取得要求"},
      {GetMeasurementData, "測定ﾃﾞｰﾀの取得に失敗しました。", "測定ﾃﾞｰﾀ取得要求"},
  });
}

int CTAVODlg::ReadMaker1Page() {
  if (!m_pSerial) return 0;
  CWaitCursor wait;
  // The humidity limit and the model code are taken as the instrument
  // reported them; one whose query went unanswered as the page shows it when
  // the read ends, so that Set sends it only when the user changes it.
  bool limitTaken = false, modelTaken = false;
  int result = RunEveryStep(*this, {
      {GetRealtimeData, "ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求"},
      {[&](CTAVODlg& d) {
         limitTaken = GetHumidityLimit(d) != 0;
         if (limitTaken) d.TakeHumidityLimitSnapshot();
         return limitTaken ? 1 : 0;
       },
       "相対湿度の上限値取得要求の送信に失敗しました。", "相対湿度の上限値取得要求"},
      {[&](CTAVODlg& d) {
         modelTaken = GetModelCode(d) != 0;
         if (modelTaken) d.TakeModelCodeSnapshot();
         return modelTaken ? 1 : 0;
       },
       "機種ｺｰﾄﾞ取得要求の送信に失敗しました。", "機種ｺｰﾄﾞ取得要求"},
      {GetPreampData, "ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求"},
      {GetHumidityCalibration, "湿度校正値取得要求の送信に失敗しました。", "湿度校正値取得要求"},
  });
  if (!limitTaken) TakeHumidityLimitSnapshot();
  if (!modelTaken) TakeModelCodeSnapshot();
  // User page 1's part of the snapshot stays: its edits are still to be sent.
  return result;
}

int CTAVODlg::ReadMaker2Page() {
  if (!m_pSerial) return 0;
  CWaitCursor wait;
  return RunEveryStep(*this, {{GetAdCounts, "A/Dｶｳﾝﾄ取得要求の送信に失敗しました。", "A/Dｶｳﾝﾄ取得要求"}});
}
