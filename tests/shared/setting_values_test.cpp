// The conversions of the settings commands between wire fields and page values.
#include <gtest/gtest.h>

#include <string>

#include "instrument/catalogue.h"
#include "instrument/instrument_settings.h"
#include "instrument/setting_values.h"
#include "instrument/value_compare.h"

namespace {

TEST(SettingValues, DigitValue) {
  const struct { char c; int value; } cases[] = {{'0', 0}, {'1', 1}, {'7', 7}, {'9', 9}, {'A', 0}, {' ', 0}, {'\0', 0}};
  for (const auto& c : cases) EXPECT_EQ(DigitValue(c.c), c.value) << c.c;
}

TEST(SettingValues, LeadingNumber) {
  const struct { const char* text; int width; bool fits; int value; } cases[] = {
      {"10分", 3, true, 10}, {"1分", 3, true, 1},  {"60分", 3, true, 60}, {"", 3, true, 0},
      {"7", 2, true, 7},     {"18", 2, true, 18}, {"07", 2, true, 7},    {"007", 2, true, 7},
      {"123", 2, false, 0},  {"x5", 2, true, 0},  {"5x", 2, true, 5},
      // Wide fields: no int overflow on the way to the answer.
      {"999999999", 9, true, 999999999}, {"9999999999", 9, false, 0},
      {"2147483647", 10, true, 2147483647}, {"2147483648", 10, false, 0}, {"99999999999999", 14, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int value = -1;
    EXPECT_EQ(LeadingNumber(c.text, c.width, value), c.fits);
    if (c.fits) {
      EXPECT_EQ(value, c.value);
    }
  }
}

TEST(SettingValues, IoTIntervalItem) {
  const struct { int minutes; int item; } cases[] = {{1, 0},  {2, 1},  {3, 2},  {4, 3},  {5, 4},  {10, 5},
                                                      {15, 6}, {30, 7}, {60, 8}, {0, -1}, {7, -1}, {45, -1}};
  const inst::Setting& interval = *inst::FindSetting("iot_interval");
  for (const auto& c : cases) EXPECT_EQ(inst::MinutesItem(interval, c.minutes), c.item) << c.minutes;
}

TEST(SettingValues, ClockDigits) {
  const struct { plat::LocalTime value; bool sent; const char* digits; } cases[] = {
      {{2024, 5, 0, 31, 9, 5, 7, 0}, true, "240531090507"},
      {{2009, 12, 0, 1, 23, 59, 0, 0}, true, "091201235900"},
      {{2000, 1, 0, 1, 0, 0, 0, 0}, true, "000101000000"},
      {{2099, 12, 0, 31, 23, 59, 59, 0}, true, "991231235959"},
      {{1999, 12, 0, 31, 23, 59, 59, 0}, false, ""},   // the two digits would say 2099
      {{2100, 1, 0, 1, 0, 0, 0, 0}, false, ""},
  };
  for (const auto& c : cases) {
    std::string digits;
    EXPECT_EQ(ClockDigits(c.value, digits), c.sent) << c.value.year;
    if (c.sent) {
      EXPECT_EQ(digits, c.digits);
    }
  }
}

TEST(SettingValues, ParseClockDigits) {
  const struct { const char* digits; int year, month, day, hour, minute, second, dayOfWeek; } valid[] = {
      {"240531090705", 2024, 5, 31, 9, 7, 5, 5},   // a Friday
      {"000101000000", 2000, 1, 1, 0, 0, 0, 6},
      {"240229235959", 2024, 2, 29, 23, 59, 59, 4},
  };
  for (const auto& c : valid) {
    SCOPED_TRACE(c.digits);
    plat::LocalTime value = {};
    ASSERT_TRUE(ParseClockDigits(c.digits, value));
    EXPECT_EQ(value.year, c.year);
    EXPECT_EQ(value.month, c.month);
    EXPECT_EQ(value.day, c.day);
    EXPECT_EQ(value.hour, c.hour);
    EXPECT_EQ(value.minute, c.minute);
    EXPECT_EQ(value.second, c.second);
    EXPECT_EQ(value.dayOfWeek, c.dayOfWeek);
  }
  const char* const invalid[] = {"241305090705", "240005090705", "240500090705", "240531240000", "240531096000",
                                 "240531090760", "230229120000", "2405310907x5", "24053109070",  "2405310907055",
                                 ""};
  for (const char* digits : invalid) {
    plat::LocalTime value = {1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_FALSE(ParseClockDigits(digits, value)) << digits;
    EXPECT_EQ(value.year, 1) << digits;   // untouched
  }
}

}  // namespace

// Settings compared as values by their kind; a number's one form.
TEST(SettingValues, SameValueByKind) {
  const struct { const char* key; const char* a; const char* b; bool same; const char* form; } numbers[] = {
      {"iot_start", "09", "9", true, "9"},          {"iot_start", "08", "18", false, "8"},
      {"memory_interval", "010", "10", true, "10"}, {"buzzer", "0000", "0", true, "0.0"},
      {"buzzer", "028.5", "28.50", true, "28.5"},   {"buzzer", "30", "30.0", true, "30.0"},
      {"buzzer", "28.5", "28.6", false, "28.5"},    {"humidity_limit", "100.0", "100", true, "100.0"},
      {"level1", "", "0", false, ""},               {"level1", "2X8.", "2X8.", true, "2X8."},
      {"memory_interval", "90", "009", false, "90"},  // not the same for beginning alike
  };
  for (const auto& c : numbers) {
    SCOPED_TRACE(std::string(c.key) + " " + c.a + " " + c.b);
    const inst::Setting& setting = *inst::FindSetting(c.key);
    inst::SettingValue a, b;
    a.text = c.a;
    b.text = c.b;
    EXPECT_EQ(inst::SameValue(setting, a, b), c.same);
    EXPECT_EQ(inst::NumberForm(setting, c.a), c.form);
  }
  inst::SettingValue on, off, clockA, clockB;
  on.item = 0;
  off.item = 1;
  EXPECT_FALSE(inst::SameValue(*inst::FindSetting("auto_power_off"), on, off));
  EXPECT_TRUE(inst::SameValue(*inst::FindSetting("auto_power_off"), off, off));
  clockA.text = clockB.text = "300102030405";
  EXPECT_TRUE(inst::SameValue(*inst::FindSetting("clock"), clockA, clockB));
  clockB.text = "300102030406";
  EXPECT_FALSE(inst::SameValue(*inst::FindSetting("clock"), clockA, clockB));
  // The window sends a number retyped in another form as typed.
  inst::InstrumentSettings typed, held;
  typed["buzzer"].text = "30";
  held["buzzer"].text = "30.0";
  EXPECT_TRUE(inst::Differs(*inst::FindSetting("buzzer"), typed, held));
  typed["buzzer"].text = "30.0";
  EXPECT_FALSE(inst::Differs(*inst::FindSetting("buzzer"), typed, held));
}
