#include "instrument/catalogue.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "instrument/setting_values.h"
#include "link/frames.h"
#include "res/resource.h"

namespace inst {

namespace {

// In these lists the order is part of the protocol: an item's index is the
// digit the instrument sends and receives for it, so their combo boxes must
// not sort. The IoT start intervals travel as minutes, taken from the item's text.
const char* const kAutoPowerOffItems[] = {"許可", "禁止", nullptr};
const char* const kAlarmModeItems[] = {"OFF", "ON", nullptr};
const char* const kIoTIntervalItems[] = {"1分", "2分", "3分", "4分", "5分", "10分", "15分", "30分", "60分", nullptr};

// The models, in the order of their model code items: a model's index is its
// code. Name, humidity limit, IoT unit, renamed by newer firmware.
std::vector<Model> ModelRows() {
  std::vector<Model> models = {
      {"TAVO-410A", false, false, nullptr},      {"TAVO-410B", true, true, nullptr},
      {"TAVO-420A", false, true, "TAVO-420AN"},  {"TAVO-420B", true, true, "TAVO-420BN"},
      {"TAVO-420AN", false, false, nullptr},     {"TAVO-420BN", true, true, nullptr},
  };
  for (size_t i = 0; i < models.size(); ++i) models[i].modelCode = static_cast<int>(i);
  return models;
}
const std::vector<Model> kModels = ModelRows();

// The model code list names each model without the series' prefix ("410A").
const char kSeriesPrefix[] = "TAVO-";
std::vector<const char*> ModelCodeItems() {
  std::vector<const char*> items;
  for (const Model& model : kModels) items.push_back(model.name + std::strlen(kSeriesPrefix));
  items.push_back(nullptr);
  return items;
}
const std::vector<const char*> kModelCodeItems = ModelCodeItems();

const char kTemperatureRange[] = "15.0～40.0℃の範囲で入力してください。";
const char kHourRange[] = "0～23時の範囲で入力してください。";
const char kIoTHourCaption[] = "IoTユニット 通信開始時刻異常";   // the stop hour shares the start hour's caption

NumberRule Level(const char* caption) { return {4, true, 15.0, 40.0, false, false, kTemperatureRange, caption}; }
NumberRule Hour() { return {2, false, 0, 23, false, false, kHourRange, kIoTHourCaption}; }
const NumberRule kNoRule = {};

Setting Number(const char* key, int page, int control, NumberRule rule, ReplyField read) {
  return {key, page, control, Kind::Number, rule, nullptr, -1, KeyForm::Text, {}, read};
}
Setting List(const char* key, int page, int control, const char* const* items, int initialItem, KeyForm form,
             ReplyField read, const char* word0 = nullptr, const char* word1 = nullptr) {
  return {key, page, control, Kind::List, kNoRule, items, initialItem, form, {word0, word1}, read};
}

// In the order tavo-cli's `read` writes them; the frame that carries each is
// the group whose payload names its key (kGroups).
const std::vector<Setting> kSettings = {
    List("auto_power_off", IDD_USER1, IDC_COMBO_AUTO_POWER_OFF, kAutoPowerOffItems, 0, KeyForm::Words,
         {'Q', ReplyForm::Digit, 2, 1}, "on", "off"),
    Number("memory_interval", IDD_USER1, IDC_EDIT_MEM_INTERVAL,
           {3, false, 0, 999, false, false, "0～999分の範囲で入力してください。", "ﾒﾓﾘ間隔時間 ﾒﾓﾘ間隔時間入力値異常"},
           {'I', ReplyForm::Number, 2, 3}),
    Number("buzzer", IDD_USER1, IDC_EDIT_BUZZER,
           {4, true, 15.0, 40.0, true, false, kTemperatureRange, "ﾌﾞｻﾞｰ警報 入力値異常"},
           {'B', ReplyForm::Signed, 2, 4}),
    List("alarm_mode", IDD_USER1, IDC_COMBO_ALARM_MODE, kAlarmModeItems, 0, KeyForm::Words,
         {'K', ReplyForm::Digit, 2, 1}, "off", "on"),
    Number("level1", IDD_USER1, IDC_EDIT_LEVEL1, Level("ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ1入力値異常"),
           {'S', ReplyForm::Signed, 3, 4}),
    Number("level2", IDD_USER1, IDC_EDIT_LEVEL2, Level("ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"),
           {'S', ReplyForm::Signed, 10, 4}),
    Number("level3", IDD_USER1, IDC_EDIT_LEVEL3, Level("ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ3入力値異常"),
           {'S', ReplyForm::Signed, 17, 4}),
    Number("level4", IDD_USER1, IDC_EDIT_LEVEL4, Level("ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ4入力値異常"),
           {'S', ReplyForm::Signed, 24, 4}),
    List("iot_interval", IDD_USER1, IDC_COMBO_IOT_INTERVAL, kIoTIntervalItems, -1, KeyForm::Minutes,
         {'s', ReplyForm::Minutes, 3, 3}),
    Number("iot_start", IDD_USER1, IDC_EDIT_IOT_START, Hour(), {'s', ReplyForm::Text, 9, 2}),
    Number("iot_stop", IDD_USER1, IDC_EDIT_IOT_STOP, Hour(), {'s', ReplyForm::Text, 12, 2}),
    Number("humidity_limit", IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT,
           {5, true, 0.0, 100.0, false, true, "0.0～100.0の範囲で入力してください。", "相対湿度の表示上限値 入力値異常"},
           {'L', ReplyForm::SignedOrWhole, 2, 4}),
    List("model_code", IDD_MAKER1, IDC_COMBO_MODEL, kModelCodeItems.data(), 0, KeyForm::Item, {'M', ReplyForm::Digit, 2, 1}),
    {"clock", IDD_USER1, IDC_DATE, Kind::Clock, kNoRule, nullptr, -1, KeyForm::Text, {},
     {'T', ReplyForm::ClockDigits, 2, 12}},
};

const char kIoTMessage[] = "IoTﾕﾆｯﾄの設定に失敗しました。";
const char kIoTCaption[] = "IoTﾕﾆｯﾄ設定異常";

FramePart Tag(const char* text) { return {FrameForm::Text, text, 0}; }
FramePart Item(const char* key) { return {FrameForm::Item, key, 1}; }
FramePart Filled(const char* key, int width) { return {FrameForm::ZeroFilled, key, width}; }
FramePart Digits(const char* key, int width) { return {FrameForm::Digits, key, width}; }
FramePart Minutes(const char* key, int width) { return {FrameForm::Minutes, key, width}; }
FramePart ClockField(const char* key) { return {FrameForm::Clock, key, 12}; }

// Every setting frame: its head and payload (between STX and ETX), then
// message, caption, who has it, anyFilled, allFilled.
const std::vector<WriteGroup> kGroups = {
    {"Q", {Item("auto_power_off")},   // STX 'Q' choice ETX
     "ｵｰﾄﾊﾟﾜｰｵﾌの設定に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ設定異常", Offer::Always, false, false},
    {"B", {Filled("buzzer", 5), Tag("6")},   // STX 'B' value(5) '6' ETX
     "ﾌﾞｻﾞｰ警報の設定に失敗しました。", "ﾌﾞｻﾞｰ警報設定異常", Offer::Always, true, false},
    {"T", {ClockField("clock")},   // STX 'T' YYMMDDhhmmss ETX
     "時刻の設定に失敗しました。", "時刻設定異常", Offer::Always, false, false},
    {"K", {Item("alarm_mode")},   // STX 'K' mode ETX
     "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞの設定に失敗しました。", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ設定異常", Offer::Always, false, false},
    {"I", {Filled("memory_interval", 3)},   // STX 'I' minutes(3) ETX
     "ﾒﾓﾘ間隔時間の設定に失敗しました。", "ﾒﾓﾘ間隔時間設定異常", Offer::Always, true, false},
    {"S",   // STX 'S' then 4 x (tag value(5) '6') ETX
     {Tag("a"), Filled("level1", 5), Tag("6"), Tag("b"), Filled("level2", 5), Tag("6"), Tag("c"), Filled("level3", 5),
      Tag("6"), Tag("d"), Filled("level4", 5), Tag("6")},
     "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値の設定に失敗しました。", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値設定異常", Offer::Always, true, true},
    {"sa", {Minutes("iot_interval", 3)},   // STX 's' 'a' minutes(3) ETX
     kIoTMessage, kIoTCaption, Offer::WithIoTUnit, false, false},
    {"sb", {Digits("iot_start", 2), Tag(" "), Digits("iot_stop", 2)},   // STX 's' 'b' start(2) ' ' stop(2) ETX
     kIoTMessage, kIoTCaption, Offer::WithIoTUnit, true, true},
    {"L", {Filled("humidity_limit", 5), Tag("8")},   // STX 'L' value(5) '8' ETX
     "相対湿度表示上限値の設定に失敗しました。", "相対湿度表示上限値設定異常", Offer::WithHumidityLimit, false, false},
    {"M", {Tag("*"), Item("model_code"), Tag("*")},   // STX 'M' '*' code '*' ETX
     "機種コード設定に失敗しました。", "機種コード設定異常", Offer::Always, false, false},
};
// STX 'i' '*' '*' ETX: one send, the answer not judged.
const WriteGroup kReset = {"i", {Tag("**")}, "設定値初期化に失敗しました。", "設定値初期化", Offer::Always, false, false};

// Every query: its reply letter, its frame's head and how long its reply is
// awaited (TimeOut times, plus ms, sent again also when unanswered).
const std::vector<Query> kQueries = {
    {'v', "#v", {}},
    {'D', "$D", {}},
    {'P', "$P", {}},
    {'G', "$G", {}},
    {'V', "$V", {1, 1000, false}},   // then the channel's digit
    {'O', "$O", {180, 0, false}},    // the whole memory in one reply
    {'Q', "$Q", {}},
    {'T', "$T", {}},
    {'I', "$I", {}},
    {'B', "$B", {}},
    {'K', "$K", {}},
    {'S', "$S", {}},
    {'s', "$s", {1, 0, true}},
    {'L', "$L", {}},
    {'M', "$M", {}},
};

const char kFirstUser1Failure[] = "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求に失敗しました。";
const char kUser1Failure[] = "初期データの取得に失敗しました。";
const char kUser1Caption[] = "初期処理";
ReadStep User1Step(char letter, const char* failure = kUser1Failure) {
  return {StepKind::Settings, letter, {failure, kUser1Caption}};
}

// Every page: its Read's steps in order, each failure told, and its Set's frames in order.
const std::vector<PageRow> kPages = {
    {IDD_USER1, false, true,
     {User1Step('Q', kFirstUser1Failure), User1Step('T'), User1Step('I'), User1Step('B'), User1Step('K'),
      User1Step('S'), User1Step('s')},
     {"Q", "B", "T", "K", "I", "S", "sa", "sb"}},
    {IDD_USER2, false, false,
     {{StepKind::AutoPowerOff, 'Q', {"ｵｰﾄﾊﾟﾜｰｵﾌの取得に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求"}},
      {StepKind::ClockText, 'T', {"時計の取得に失敗しました。", "時計取得要求"}},
      {StepKind::Identity, 'v', {"Version Noの取得に送信に失敗しました。", "Version No取得要求"}},
      {StepKind::Readings, 'D', {"測定ﾃﾞｰﾀの取得に失敗しました。", "測定ﾃﾞｰﾀ取得要求"}}},
     {}},
    {IDD_MAKER1, true, false,
     {{StepKind::Readings, 'D', {"ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求"}},
      {StepKind::Settings, 'L', {"相対湿度の上限値取得要求の送信に失敗しました。", "相対湿度の上限値取得要求"}},
      {StepKind::Settings, 'M', {"機種ｺｰﾄﾞ取得要求の送信に失敗しました。", "機種ｺｰﾄﾞ取得要求"}},
      {StepKind::Readings, 'P', {"ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求"}},
      {StepKind::Readings, 'G', {"湿度校正値取得要求の送信に失敗しました。", "湿度校正値取得要求"}}},
     {"L", "M"}},
    {IDD_MAKER2, true, false, {{StepKind::AdCounts, 'V', {"A/Dｶｳﾝﾄ取得要求の送信に失敗しました。", "A/Dｶｳﾝﾄ取得要求"}}}, {}},
};

// 'D' holds six signed fields of width 4, one every 10 positions; 'P' signed
// fields of width 8 on a grid of 12 (six of them are shown); 'G' two such;
// 'V' twenty unsigned fields of 10 characters, one every 12 positions from 2.
Reading Signed(const char* key, int page, int control, char letter, int sign, int width) {
  return {key, page, control, {letter, ReplyForm::Signed, sign, width}};
}
Reading Measured(int page, int control, int sign) { return Signed(nullptr, page, control, 'D', sign, 4); }
Reading Measurement(const char* key, const char* label, int control, int sign) {
  Reading reading = Signed(key, IDD_USER2, control, 'D', sign, 4);
  reading.label = label;
  return reading;
}
Reading Maintenance(int control, char letter, int sign) { return Signed(nullptr, IDD_MAKER1, control, letter, sign, 8); }

const int kAdControls[] = {IDC_STATIC_AD1,  IDC_STATIC_AD2,  IDC_STATIC_AD3,  IDC_STATIC_AD4,  IDC_STATIC_AD5,
                           IDC_STATIC_AD6,  IDC_STATIC_AD7,  IDC_STATIC_AD8,  IDC_STATIC_AD9,  IDC_STATIC_AD10,
                           IDC_STATIC_AD11, IDC_STATIC_AD12, IDC_STATIC_AD13, IDC_STATIC_AD14, IDC_STATIC_AD15,
                           IDC_STATIC_AD16, IDC_STATIC_AD17, IDC_STATIC_AD18, IDC_STATIC_AD19, IDC_STATIC_AD20};

std::vector<Reading> AllReadings() {
  std::vector<Reading> readings = {
      Measurement("tavo_indoor", "in", IDC_STATIC_TAVO_INDOOR, 4),
      Measurement("tavo_outdoor", "out", IDC_STATIC_TAVO_OUTDOOR, 14),
      Measurement("air_temp", "Ta", IDC_STATIC_AIR_TEMP, 24),
      Measurement("humidity", "RH", IDC_STATIC_HUMIDITY, 34),
      Measurement("globe_temp", "tg", IDC_STATIC_GLOBE_TEMP, 54),
      Measured(IDD_MAKER1, IDC_STATIC_RT_TAVO_INDOOR, 4),
      Measured(IDD_MAKER1, IDC_STATIC_RT_TAVO_OUTDOOR, 14),
      Measured(IDD_MAKER1, IDC_STATIC_RT_AIR_TEMP, 24),
      Measured(IDD_MAKER1, IDC_STATIC_RT_HUMIDITY, 34),
      Measured(IDD_MAKER1, IDC_STATIC_RT_REL_TEMP, 44),
      Measured(IDD_MAKER1, IDC_STATIC_RT_GLOBE_TEMP, 54),
      Maintenance(IDC_STATIC_PA_BATTERY, 'P', 3),
      Maintenance(IDC_STATIC_PA_AIR_TEMP, 'P', 15),
      Maintenance(IDC_STATIC_PA_RADIANT_TEMP, 'P', 51),
      Maintenance(IDC_STATIC_PA_GLOBE150, 'P', 75),
      Maintenance(IDC_STATIC_PA_HUMIDITY_RAW, 'P', 99),
      Maintenance(IDC_STATIC_PA_HUMIDITY_CAL, 'P', 111),
      Maintenance(IDC_STATIC_CALIB_RH_B, 'G', 3),
      Maintenance(IDC_STATIC_CALIB_RH_A, 'G', 15),
  };
  for (int k = 0; k < 20; ++k)
    readings.push_back({nullptr, IDD_MAKER2, kAdControls[k], {'V', ReplyForm::Number, 2 + 12 * k, 10}});
  return readings;
}
const std::vector<Reading> kReadings = AllReadings();

}  // namespace

const char kIoTFrom[] = "2.00  ";
const char kRenamedAbove[] = "1.21  ";

const std::vector<Setting>& Settings() { return kSettings; }

const Setting* FindSetting(const std::string& key) {
  for (const Setting& setting : kSettings)
    if (key == setting.key) return &setting;
  return nullptr;
}

const Setting* FindSettingByControl(int page, int control) {
  for (const Setting& setting : kSettings)
    if (setting.page == page && setting.control == control) return &setting;
  return nullptr;
}

int SettingIndex(const Setting& setting) { return static_cast<int>(&setting - kSettings.data()); }

const std::vector<WriteGroup>& Groups() { return kGroups; }

Group FindGroup(const std::string& head) {
  for (const WriteGroup& row : kGroups)
    if (head == row.head) return &row;
  return nullptr;
}

Group GroupOfSetting(const Setting& setting) {
  for (const WriteGroup& row : kGroups)
    for (const FramePart& part : row.payload)
      if (part.form != FrameForm::Text && std::strcmp(part.text, setting.key) == 0) return &row;
  return nullptr;
}

std::vector<const Setting*> GroupSettings(Group group) {
  std::vector<const Setting*> settings;
  for (const FramePart& part : group->payload)
    if (part.form != FrameForm::Text) settings.push_back(FindSetting(part.text));
  return settings;
}

namespace {

// The key without its trailing digits, and their number (-1 for none).
std::string Stem(const std::string& key, int& number) {
  size_t end = key.size();
  while (end > 0 && key[end - 1] >= '0' && key[end - 1] <= '9') --end;
  number = end < key.size() ? std::atoi(key.c_str() + end) : -1;
  return key.substr(0, end);
}

// Keys of one stem numbered on from 1 ("level1" ... "level4").
bool NumberedRun(const std::vector<std::string>& keys) {
  int first = 0;
  const std::string stem = Stem(keys.front(), first);
  for (size_t i = 0; i < keys.size(); ++i) {
    int number = 0;
    if (Stem(keys[i], number) != stem || number != static_cast<int>(i) + 1) return false;
  }
  return keys.size() > 2;
}

}  // namespace

std::string KeysLabel(Group group) {
  std::vector<std::string> keys;
  for (const FramePart& part : group->payload)
    if (part.form != FrameForm::Text) keys.push_back(part.text);
  if (keys.empty()) return "";
  if (NumberedRun(keys)) return keys.front() + "-" + keys.back();
  std::string label;
  for (const std::string& key : keys) label += (label.empty() ? "" : ", ") + key;
  return label;
}

const WriteGroup& ResetGroup() { return kReset; }

const ReplyField kModelNameField = {'v', ReplyForm::Text, 2, 9};
const ReplyField kVersionField = {'v', ReplyForm::Text, 11, 6};
const char kMemoryLetter = 'O';

const Query* FindQuery(char letter) {
  for (const Query& query : kQueries)
    if (query.letter == letter) return &query;
  return nullptr;
}

std::string QueryFrameOf(const Query& query, const std::string& parameter) {
  return SettingFrame(query.head, parameter);
}

const std::vector<PageRow>& Pages() { return kPages; }

const PageRow* FindPage(int page) {
  for (const PageRow& row : kPages)
    if (row.page == page) return &row;
  return nullptr;
}

const std::vector<Group>& WriteOrder(int page) {
  // Made on first use: the group rows are this file's statics, the callers' may come first.
  static const std::vector<std::vector<Group>> orders = [] {
    std::vector<std::vector<Group>> all;
    for (const PageRow& row : kPages) {
      all.emplace_back();
      for (const char* head : row.writes) all.back().push_back(FindGroup(head));
    }
    return all;
  }();
  static const std::vector<Group> none;
  const PageRow* row = FindPage(page);
  return row ? orders[static_cast<size_t>(row - kPages.data())] : none;
}

const PageRow& PageOfGroup(Group group) {
  for (const PageRow& row : kPages)
    for (const char* head : row.writes)
      if (std::strcmp(head, group->head) == 0) return row;
  return kPages.front();   // every group is on a page
}

const ReadStep& PageReadStep(int page, char letter) {
  const PageRow& row = FindPage(page) ? *FindPage(page) : kPages.front();
  for (const ReadStep& step : row.steps)
    if (step.letter == letter) return step;
  return row.steps.front();   // every step asked for is there
}

bool IsMakerSetting(const Setting& setting) {
  const Group group = GroupOfSetting(setting);
  return group && PageOfGroup(group).maker;
}

const std::vector<Reading>& Readings() { return kReadings; }

const Model* FindModel(const std::string& name) {
  for (const Model& model : kModels)
    if (name == model.name) return &model;
  return nullptr;
}

bool ModelOffers(int modelCode, const Setting& setting) {
  const Group group = GroupOfSetting(setting);
  if (!group || group->offer != Offer::WithHumidityLimit) return true;
  for (const Model& model : kModels)
    if (model.modelCode == modelCode) return model.humidityLimit;
  return false;
}


int ItemCount(const Setting& setting) {
  int count = 0;
  while (setting.items && setting.items[count]) ++count;
  return count;
}

int ItemMinutes(const Setting& setting, int item) {
  int minutes;
  if (item < 0 || item >= ItemCount(setting) || !LeadingNumber(setting.items[item], 3, minutes)) return -1;
  return minutes;
}

int MinutesItem(const Setting& setting, int minutes) {
  for (int item = 0; item < ItemCount(setting); ++item)
    if (ItemMinutes(setting, item) == minutes) return item;
  return -1;
}

CatalogueRows TheCatalogue() { return {kSettings, kGroups, kQueries, kPages, kReadings}; }

}  // namespace inst
