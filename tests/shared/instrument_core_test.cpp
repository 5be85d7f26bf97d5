// The settings commands over bytes and values, without a link or a page: the
// frame each group's values give, byte for byte, and the values each reply
// gives.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "instrument/catalogue.h"
#include "instrument/identity.h"
#include "instrument/readings.h"
#include "instrument/setting_codec.h"
#include "res/resource.h"

namespace {

using inst::InstrumentSettings;
using Values = std::function<void(InstrumentSettings&)>;

plat::LocalTime LocalAt(int year, int month, int day, int hour, int minute, int second) {
  return {year, month, 0, day, hour, minute, second, 0};
}

Values Item(const char* key, int item) {
  return [=](InstrumentSettings& v) { v[key].item = item; };
}
Values Texts(std::vector<std::pair<const char*, const char*>> texts) {
  return [=](InstrumentSettings& v) {
    for (const auto& t : texts) v[t.first].text = t.second;
  };
}
Values Clock(plat::LocalTime clock) {
  return [=](InstrumentSettings& v) {
    v.hasClock = true;
    v.clock = clock;
  };
}

ReplyReader Reply(const std::string& letterAndPayload) {
  const std::string frame = "\x02" + letterAndPayload;
  return ReplyReader(reinterpret_cast<const std::uint8_t*>(frame.data()), static_cast<int>(frame.size()),
                     letterAndPayload[0]);
}

// A setting's value as the tables write it: its text, or its item as a number.
std::string Shown(const InstrumentSettings& values, const char* key) {
  const inst::Setting& setting = *inst::FindSetting(key);
  return setting.kind == inst::Kind::List ? std::to_string(values[setting].item) : values[setting].text;
}

TEST(InstrumentCore, GroupFramesByteForByte) {
  struct Case {
    const char* name;
    Values values;
    inst::Group group;
    std::string frame;   // empty: nothing can be sent
  };
  const Case cases[] = {
      {"prohibited", Item("auto_power_off", 1), inst::FindGroup("Q"), "\x02Q1\x03"},
      {"permitted", Item("auto_power_off", 0), inst::FindGroup("Q"), "\x02Q0\x03"},
      {"clock 9:05:07", Clock(LocalAt(2024, 5, 31, 9, 5, 7)), inst::FindGroup("T"), "\x02T240531090507\x03"},
      {"clock 23:59:00", Clock(LocalAt(2009, 12, 1, 23, 59, 0)), inst::FindGroup("T"), "\x02T091201235900\x03"},
      {"interval 5", Texts({{"memory_interval", "5"}}), inst::FindGroup("I"), "\x02I005\x03"},
      {"interval 999", Texts({{"memory_interval", "999"}}), inst::FindGroup("I"), "\x02I999\x03"},
      {"buzzer 28.5", Texts({{"buzzer", "28.5"}}), inst::FindGroup("B"), "\x02" "B028.56\x03"},
      {"buzzer 30", Texts({{"buzzer", "30"}}), inst::FindGroup("B"), "\x02" "B000306\x03"},
      {"buzzer 0", Texts({{"buzzer", "0"}}), inst::FindGroup("B"), "\x02" "B000006\x03"},
      {"alarm on", Item("alarm_mode", 1), inst::FindGroup("K"), "\x02K1\x03"},
      {"alarm off", Item("alarm_mode", 0), inst::FindGroup("K"), "\x02K0\x03"},
      {"four levels", Texts({{"level1", "28.0"}, {"level2", "31.0"}, {"level3", "33.0"}, {"level4", "35.0"}}),
       inst::FindGroup("S"), "\x02Sa028.06b031.06c033.06d035.06\x03"},
      {"one level", Texts({{"level1", "28.0"}}), inst::FindGroup("S"), "\x02Sa028.06b000006c000006d000006\x03"},
      {"15 minutes", Item("iot_interval", 6), inst::FindGroup("sa"), "\x02sa015\x03"},
      {"60 minutes", Item("iot_interval", 8), inst::FindGroup("sa"), "\x02sa060\x03"},
      {"hours 7 to 18", Texts({{"iot_start", "7"}, {"iot_stop", "18"}}), inst::FindGroup("sb"), "\x02sb07 18\x03"},
      {"hours empty to 5", Texts({{"iot_start", ""}, {"iot_stop", "5"}}), inst::FindGroup("sb"), "\x02sb00 05\x03"},
      {"limit 90.0", Texts({{"humidity_limit", "90.0"}}), inst::FindGroup("L"), "\x02L090.08\x03"},
      {"limit 5", Texts({{"humidity_limit", "5"}}), inst::FindGroup("L"), "\x02L000058\x03"},
      {"limit 100.0", Texts({{"humidity_limit", "100.0"}}), inst::FindGroup("L"), "\x02L100.08\x03"},
      {"model 420B", Item("model_code", 3), inst::FindGroup("M"), "\x02M*3*\x03"},
      {"model 420BN", Item("model_code", 5), inst::FindGroup("M"), "\x02M*5*\x03"},
      // Nothing for a value the frame cannot carry.
      {"no auto power-off", Item("auto_power_off", -1), inst::FindGroup("Q"), ""},
      {"no alarm mode", Item("alarm_mode", -1), inst::FindGroup("K"), ""},
      {"no model", Item("model_code", -1), inst::FindGroup("M"), ""},
      {"model item 16", Item("model_code", 16), inst::FindGroup("M"), ""},
      {"no IoT interval", Item("iot_interval", -1), inst::FindGroup("sa"), ""},
      {"hour 123", Texts({{"iot_start", "123"}, {"iot_stop", "5"}}), inst::FindGroup("sb"), ""},
      {"no clock", [](InstrumentSettings& v) { v.hasClock = false; }, inst::FindGroup("T"), ""},
      {"year 1999", Clock(LocalAt(1999, 12, 31, 23, 59, 59)), inst::FindGroup("T"), ""},
      {"year 2100", Clock(LocalAt(2100, 1, 1, 0, 0, 0)), inst::FindGroup("T"), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InstrumentSettings values;
    c.values(values);
    std::string frame;
    EXPECT_EQ(inst::GroupFrame(c.group, values, frame), !c.frame.empty());
    EXPECT_EQ(frame, c.frame);
    if (!frame.empty()) {
      EXPECT_EQ(static_cast<int>(frame.size()), inst::FrameLength(c.group));
    }
  }
}

// Each reply field in its value, and what a reply out of the lists gives.
TEST(InstrumentCore, RepliesGiveValues) {
  struct Case {
    const char* reply;   // letter, then payload
    std::vector<std::pair<const char*, std::string>> shown;   // key: its text, or its item as a number
  };
  const Case cases[] = {
      {"Q1", {{"auto_power_off", "1"}}},
      {"Q7", {{"auto_power_off", "-1"}}},
      {"Qx", {{"auto_power_off", "-1"}}},
      {"I010", {{"memory_interval", "10"}}},
      {"I060", {{"memory_interval", "60"}}},
      {"I000", {{"memory_interval", "000"}}},
      {"B028.56", {{"buzzer", "28.5"}}},
      {"B-05.06", {{"buzzer", "-5.0"}}},
      {"K1", {{"alarm_mode", "1"}}},
      {"K5", {{"alarm_mode", "-1"}}},
      {"Kx", {{"alarm_mode", "-1"}}},
      {"Sa028.06b-05.06c+33.56d035.06", {{"level1", "28.0"}, {"level2", "-5.0"}, {"level3", "33.5"}, {"level4", "35.0"}}},
      {"sa030 b 08 17", {{"iot_interval", "7"}, {"iot_start", "08"}, {"iot_stop", "17"}}},
      {"sa007 b 06 22", {{"iot_interval", "-1"}, {"iot_start", "06"}, {"iot_stop", "22"}}},
      {"sa01x b 06 22", {{"iot_interval", "-1"}, {"iot_start", "06"}, {"iot_stop", "22"}}},
      {"sa001 b 00 23", {{"iot_interval", "0"}, {"iot_start", "00"}, {"iot_stop", "23"}}},
      {"L090.08", {{"humidity_limit", "90.0"}}},
      {"L+95.58", {{"humidity_limit", "95.5"}}},
      {"L-05.08", {{"humidity_limit", "-5.0"}}},
      {"L100.08", {{"humidity_limit", "100.0"}}},   // taken whole
      {"M5", {{"model_code", "5"}}},
      {"M2", {{"model_code", "2"}}},
      {"M8", {{"model_code", "-1"}}},
      {"Mx", {{"model_code", "-1"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    InstrumentSettings values;
    ASSERT_TRUE(inst::TakeReply(c.reply[0], Reply(c.reply), values));
    for (const auto& shown : c.shown) EXPECT_EQ(Shown(values, shown.first), shown.second) << shown.first;
  }
}

// A control byte at a position a setting is read from fails the reply and
// leaves every value; one where nothing is read does not; positions beyond a
// shorter reply read as empty.
TEST(InstrumentCore, DamagedAndShortReplies) {
  struct Case {
    const char* reply;   // letter, then payload
    int damagedAt;       // frame position (STX 0) given the control byte `damage`; -1 none
    char damage;
    bool taken;
    std::vector<std::pair<const char*, std::string>> shown;   // key: its text, or its item as a number
  };
  const Case cases[] = {
      {"B028.56", 5, '\0', false, {{"buzzer", "before"}}},   // its point
      {"B028.56", 4, '\n', false, {{"buzzer", "before"}}},   // an LF, as any control byte
      {"B028.56", 3, '\x1B', false, {{"buzzer", "before"}}},
      {"B028.56", 7, '\0', true, {{"buzzer", "28.5"}}},      // after the value
      {"Sa028.06b015.06c033.06d035.06", 13, '\0', false, {{"level1", "before"}, {"level2", "before"}}},
      {"M5", 2, '\x01', false, {{"model_code", "0"}}},
      {"sa030 b 08 17", 10, '\0', false, {{"iot_interval", "-1"}, {"iot_start", "before"}}},
      {"Sa028.06", -1, '\0', true, {{"level1", "28.0"}, {"level2", ""}, {"level4", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reply) + " " + std::to_string(c.damagedAt));
    std::string frame = std::string("\x02") + c.reply;
    if (c.damagedAt >= 0) frame[static_cast<size_t>(c.damagedAt)] = c.damage;
    const ReplyReader reply(reinterpret_cast<const std::uint8_t*>(frame.data()), static_cast<int>(frame.size()),
                            c.reply[0]);
    InstrumentSettings values;
    for (const inst::Setting& setting : inst::Settings())
      if (setting.kind == inst::Kind::Number) values[setting].text = "before";
    EXPECT_EQ(inst::TakeReply(c.reply[0], reply, values), c.taken);
    for (const auto& shown : c.shown) EXPECT_EQ(Shown(values, shown.first), shown.second) << shown.first;
  }
}

// The readings each page shows of a reply, in their order; a control byte
// where one is read gives none.
TEST(InstrumentCore, Readings) {
  const std::string measured = "D01+25.3,  02+26.1,  03-28.4,  04+65.0,  05+27.9,  06 30.2";
  struct Case {
    int page;
    std::string reply;   // letter, then payload
    int zeroAt;          // frame position (STX 0) given a zero byte; -1 none
    std::vector<std::string> texts;   // empty: none taken
  };
  const Case cases[] = {
      {IDD_USER2, measured, -1, {"25.3", "26.1", "-28.4", "65.0", "30.2"}},
      {IDD_MAKER1, measured, -1, {"25.3", "26.1", "-28.4", "65.0", "27.9", "30.2"}},
      {IDD_MAKER1, measured, 46, {}},   // in the field user page 2 does not show
      {IDD_USER2, measured, 46, {"25.3", "26.1", "-28.4", "65.0", "30.2"}},
      {IDD_MAKER1, "Ga+00001.50, b-00000.75", -1, {"1.50", "-0.75"}},
      {IDD_MAKER1, "Pa+00003.25, b+00028.40", -1, {"3.25", "28.40", "", "", "", ""}},   // a shorter reply
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply + " " + std::to_string(c.zeroAt));
    std::string frame = "\x02" + c.reply;
    if (c.zeroAt >= 0) frame[static_cast<size_t>(c.zeroAt)] = '\0';
    const ReplyReader reply(reinterpret_cast<const std::uint8_t*>(frame.data()), static_cast<int>(frame.size()),
                            c.reply[0]);
    std::vector<std::string> texts;
    EXPECT_EQ(inst::TakeReadings(reply, c.page, c.reply[0], texts), !c.texts.empty());
    EXPECT_EQ(texts, c.texts);
  }
}

// A clock that is no date and time is not taken; a valid one is, date and time of day.
TEST(InstrumentCore, ClockReplies) {
  const char* const invalid[] = {"T241305090705", "T240005090705", "T240531240000", "T240230120000",
                                 "T240531096005", "T2405310907x5", "T2405"};
  for (const char* reply : invalid) {
    InstrumentSettings values;
    values["buzzer"].text = "before";
    EXPECT_FALSE(inst::TakeReply('T', Reply(reply), values)) << reply;
    EXPECT_FALSE(values.hasClock) << reply;
    EXPECT_EQ(values["buzzer"].text, "before");
  }
  InstrumentSettings values;
  ASSERT_TRUE(inst::TakeReply('T', Reply("T240531090705"), values));
  ASSERT_TRUE(values.hasClock);
  const plat::LocalTime& t = values.clock;
  EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second, t.dayOfWeek}),
            std::vector<int>({2024, 5, 31, 9, 7, 5, 5}));
}

// A reply of another letter is no answer: nothing is taken.
TEST(InstrumentCore, AReplyOfAnotherLetterGivesNothing) {
  InstrumentSettings values;
  const std::string frame = "\x02" "B028.56";
  const ReplyReader reply(reinterpret_cast<const std::uint8_t*>(frame.data()), static_cast<int>(frame.size()), 'I');
  EXPECT_FALSE(inst::TakeReply('I', reply, values));
  EXPECT_EQ(values["memory_interval"].text, "");
}

// The version reply: the model name (with the firmware's "N"), the version,
// the IoT unit and the model code.
TEST(InstrumentCore, Identity) {
  struct Case {
    const char* model;
    const char* version;
    const char* shown;
    bool iot;
    int modelCode;
  };
  const Case cases[] = {
      {"TAVO-410A", "1.21  ", "TAVO-410A", false, 0},   {"TAVO-410B", "2.00  ", "TAVO-410B", true, 1},
      {"TAVO-420A", "1.21  ", "TAVO-420A", false, 2},   {"TAVO-420A", "1.22  ", "TAVO-420AN", false, 4},
      {"TAVO-420B", "1.30  ", "TAVO-420BN", false, 5},  {"TAVO-420B", "2.00  ", "TAVO-420BN", true, 5},
      {"TAVO-420A", "2.10  ", "TAVO-420AN", false, 4},  {"TAVO-999X", "2.00  ", "TAVO-999X", true, -1},
      {"TAVO-410A", "2.10  ", "TAVO-410A", false, 0},
      {"TAVO-410B", "10.0  ", "TAVO-410B", false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.model) + " " + c.version);
    const inst::Identity identity = inst::IdentityOf(Reply(std::string("v") + c.model + c.version));
    EXPECT_EQ(identity.model, c.shown);
    EXPECT_EQ(identity.version, c.version);
    EXPECT_EQ(identity.iot, c.iot);
    EXPECT_EQ(identity.modelCode, c.modelCode);
  }
}

// What a model offers, by its model code item: the humidity limit only the
// models that have one (no model, no limit), the rest always. (The IoT
// schedule by the IoT unit: Identification.DecidesNameModelHumidityLimitAndIoT.)
TEST(InstrumentCore, WhatAModelOffers) {
  const inst::Setting& limit = *inst::FindSetting("humidity_limit");
  const inst::Setting& schedule = *inst::FindSetting("iot_start");
  const inst::Setting& buzzer = *inst::FindSetting("buzzer");
  for (int item = -1; item <= 7; ++item) {
    SCOPED_TRACE(item);
    EXPECT_EQ(inst::ModelOffers(item, limit), item == 1 || item == 3 || item == 5);
    EXPECT_TRUE(inst::ModelOffers(item, schedule));
    EXPECT_TRUE(inst::ModelOffers(item, buzzer));
  }
}

// The catalogue's rows agree, and each slip a hand makes in a row is caught
// by the check, naming the row; a group's keys label follows its payload.
TEST(InstrumentCore, TheCatalogueChecksItsRows) {
  using Rows = inst::CatalogueRows;
  auto page = [](Rows& rows, int id) -> inst::PageRow& {
    for (inst::PageRow& row : rows.pages)
      if (row.page == id) return row;
    return rows.pages.front();
  };
  auto group = [](Rows& rows, const std::string& head) -> inst::WriteGroup& {
    for (inst::WriteGroup& row : rows.groups)
      if (head == row.head) return row;
    return rows.groups.front();
  };
  auto withoutStep = [](inst::PageRow& row, char letter) {
    for (size_t i = 0; i < row.steps.size(); ++i)
      if (row.steps[i].letter == letter) row.steps.erase(row.steps.begin() + static_cast<long>(i));
  };
  auto withoutHead = [](inst::PageRow& row, const std::string& head) {
    for (size_t i = 0; i < row.writes.size(); ++i)
      if (head == row.writes[i]) row.writes.erase(row.writes.begin() + static_cast<long>(i));
  };
  struct Case {
    const char* slip;
    std::function<void(Rows&)> make;
    const char* problem;   // in the first line the check gives
  };
  const Case cases[] = {
      {"a group left out of every write order", [&](Rows& r) { withoutHead(page(r, IDD_USER1), "S"); },
       "group 'S' is in no page's write order"},
      {"a query left out of the read order", [&](Rows& r) { withoutStep(page(r, IDD_USER1), 'B'); },
       "setting 'buzzer' is read by no step of its page's Read"},
      {"a payload field forgotten", [&](Rows& r) { group(r, "S").payload.resize(9); },
       "setting 'level4' is in no frame's payload"},
      {"a payload field misnamed", [&](Rows& r) { group(r, "B").payload[0].text = "buzer"; },
       "setting 'buzzer' is in no frame's payload"},
      {"a reply no step asks for", [&](Rows& r) { withoutStep(page(r, IDD_MAKER1), 'G'); },
       "its reply 'G' is asked by no step of its page"},
      {"a control named by two rows", [](Rows& r) { r.settings[2].control = r.settings[1].control; },
       "setting 'buzzer': its control"},
      {"a group sent by another page's Set",
       [&](Rows& r) {
         withoutHead(page(r, IDD_MAKER1), "L");
         page(r, IDD_USER1).writes.push_back("L");
       },
       "group 'L' is sent by the Set of page"},
      {"a group in two write orders", [&](Rows& r) { page(r, IDD_MAKER2).writes.push_back("M"); },
       "group 'M' is in the write orders of two pages"},
      {"a write order naming no group", [&](Rows& r) { page(r, IDD_MAKER1).writes.push_back("X"); },
       "its write order names 'X', which is no group"},
      {"a step without a query",
       [](Rows& r) {
         for (size_t i = 0; i < r.queries.size(); ++i)
           if (r.queries[i].letter == 'M') r.queries.erase(r.queries.begin() + static_cast<long>(i));
       },
       "the step 'M' has no query row"},
      {"a step that reads nothing", [&](Rows& r) { page(r, IDD_MAKER2).steps.push_back(page(r, IDD_USER1).steps[0]); },
       "page 145: the step 'Q' reads nothing"},
      {"a key named twice", [](Rows& r) { r.settings[3].key = "buzzer"; }, "setting 'buzzer' is named by two rows"},
  };
  EXPECT_EQ(inst::CatalogueProblems(inst::TheCatalogue()), std::vector<std::string>{});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slip);
    Rows rows = inst::TheCatalogue();
    c.make(rows);
    const std::vector<std::string> problems = inst::CatalogueProblems(rows);
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(problems.front().find(c.problem), std::string::npos) << problems.front();
  }
  EXPECT_EQ(inst::KeysLabel(inst::FindGroup("S")), "level1-level4");
  EXPECT_EQ(inst::KeysLabel(inst::FindGroup("sb")), "iot_start, iot_stop");
  EXPECT_EQ(inst::KeysLabel(inst::FindGroup("B")), "buzzer");
}

}  // namespace
