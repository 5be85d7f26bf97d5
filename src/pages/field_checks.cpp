#include "pages/field_checks.h"

#include "pages/number_text.h"
#include "res/resource.h"

namespace {

const char kTemperatureRange[] = "15.0～40.0℃の範囲で入力してください。";
const char kHourRange[] = "0～23時の範囲で入力してください。";

struct PageCheck {
  int templateId;
  FieldCheck check;
};

const PageCheck kChecks[] = {
    {IDD_USER1, {IDC_EDIT_BUZZER, true, 15.0, 40.0, true, false, kTemperatureRange, "ﾌﾞｻﾞｰ警報 入力値異常"}},
    {IDD_USER1, {IDC_EDIT_LEVEL1, true, 15.0, 40.0, false, false, kTemperatureRange, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ1入力値異常"}},
    {IDD_USER1, {IDC_EDIT_LEVEL2, true, 15.0, 40.0, false, false, kTemperatureRange, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"}},
    {IDD_USER1, {IDC_EDIT_LEVEL3, true, 15.0, 40.0, false, false, kTemperatureRange, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ3入力値異常"}},
    {IDD_USER1, {IDC_EDIT_LEVEL4, true, 15.0, 40.0, false, false, kTemperatureRange, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ4入力値異常"}},
    {IDD_USER1, {IDC_EDIT_MEM_INTERVAL, false, 0, 999, false, false, "0～999分の範囲で入力してください。",
                 "ﾒﾓﾘ間隔時間 ﾒﾓﾘ間隔時間入力値異常"}},
    {IDD_USER1, {IDC_EDIT_IOT_START, false, 0, 23, false, false, kHourRange, "IoTユニット 通信開始時刻異常"}},
    // The stop hour shares the start hour's caption.
    {IDD_USER1, {IDC_EDIT_IOT_STOP, false, 0, 23, false, false, kHourRange, "IoTユニット 通信開始時刻異常"}},
    {IDD_MAKER1, {IDC_EDIT_HUMIDITY_LIMIT, true, 0.0, 100.0, false, true, "0.0～100.0の範囲で入力してください。",
                  "相対湿度の表示上限値 入力値異常"}},
};

}  // namespace

const FieldCheck* FindFieldCheck(int templateId, int id) {
  for (const PageCheck& entry : kChecks) {
    if (entry.templateId == templateId && entry.check.id == id) return &entry.check;
  }
  return nullptr;
}

bool PassesCheck(const FieldCheck& check, const char* text) {
  if (!text || !*text) return !check.emptyRejected;
  if (!IsPlainNumber(text, check.decimal)) return false;
  double value = check.decimal ? LeadingDecimal(text) : static_cast<double>(LeadingInteger(text));
  return (check.low <= value && value <= check.high) || (check.zeroAllowed && value == 0.0);
}
