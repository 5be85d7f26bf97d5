// The rules of the log files that need no file system: the cut-off day, the
// bisection of sequence numbers, names, paths and the record format.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "log/cutoff_date.h"
#include "log/log_directory.h"
#include "log/log_names.h"
#include "log/log_record.h"
#include "log/sequence_number.h"

namespace {

TEST(LogCutOff, IsTheAgeInDaysBeforeToday) {
  struct Case { CalendarDate today; int age; CalendarDate cutOff; };
  const Case cases[] = {
      {{2026, 3, 5}, 10, {2026, 2, 23}},   {{2026, 1, 5}, 10, {2025, 12, 26}},
      {{2024, 3, 5}, 10, {2024, 2, 24}},   {{2026, 3, 10}, 10, {2026, 2, 28}},
      {{2026, 3, 20}, 10, {2026, 3, 10}},  {{2026, 3, 1}, 1, {2026, 2, 28}},
      {{2026, 4, 10}, 100, {2025, 12, 31}}, {{2026, 4, 10}, 365, {2025, 12, 31}},
      {{2000, 3, 1}, 1, {2000, 2, 29}},    {{2100, 3, 1}, 1, {2100, 2, 28}},
      {{2026, 3, 30}, -7, {2026, 3, 30}},  {{2026, 3, 30}, 0, {2026, 3, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.today.year) + "-" + std::to_string(c.today.month) + "-" +
                 std::to_string(c.today.day) + " age " + std::to_string(c.age));
    CalendarDate cut = CutOffDate(c.today, c.age);
    EXPECT_EQ(cut.year, c.cutOff.year);
    EXPECT_EQ(cut.month, c.cutOff.month);
    EXPECT_EQ(cut.day, c.cutOff.day);
  }
}

TEST(LogCutOff, OddMonthsAndDaysInNames) {
  const CalendarDate today = {2026, 3, 5}, cutOff = {2026, 2, 23};
  EXPECT_FALSE(IsOldLogDate(0, 1, cutOff, today)) << "month 00 matches no month";
  EXPECT_FALSE(IsOldLogDate(13, 1, cutOff, today));
  EXPECT_TRUE(IsOldLogDate(1, 0, cutOff, today)) << "a month deleted whole takes any day";
  EXPECT_FALSE(IsOldLogDate(2, 0, cutOff, today)) << "day 00 is no day of a partly kept month";
  EXPECT_FALSE(IsOldLogDate(3, 32, cutOff, today));
}

// A run of `used` numbers from 000.
int FreeAfterRun(int used, int* probes) {
  *probes = 0;
  return BisectFreeSequenceNumber([&](int n) {
    ++*probes;
    return n < used;
  });
}

TEST(LogSequenceNumber, IsTheFirstFreeNumberOfTheRun) {
  struct Case { int used; int expected; };
  const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {5, 5}, {500, 500}, {998, 998}, {999, 999}, {1000, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE("used " + std::to_string(c.used));
    int probes = 0;
    EXPECT_EQ(FreeAfterRun(c.used, &probes), c.expected);
    EXPECT_LE(probes, 12) << "a bisection, not a scan";
  }
}

TEST(LogNames, OnlyTheToolsOwnNamesParse) {
  struct Case { const char* name; bool parses; int month; int day; };
  const Case cases[] = {
      {"L1206000.txt", true, 12, 6},  {"E0131999.txt", true, 1, 31}, {"l0305001.TXT", true, 3, 5},
      {"a01notes.txt", false, 0, 0},  {"X1206000.txt", false, 0, 0}, {"L120600.txt", false, 0, 0},
      {"L12060000.txt", false, 0, 0}, {"L12O6000.txt", false, 0, 0}, {"L1206000.csv", false, 0, 0},
      {"L1206000.txt.bak", false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LogNameDate date = {0, 0};
    EXPECT_EQ(ParseLogFileName(c.name, date), c.parses);
    EXPECT_EQ(date.month, c.month);
    EXPECT_EQ(date.day, c.day);
  }
  EXPECT_EQ(LogFileName(LogKind::Log, 12, 6, 0), "L1206000.txt");
  EXPECT_EQ(LogFileName(LogKind::Error, 3, 15, 42), "E0315042.txt");
}

TEST(LogDirectoryText, RootsLevelsAndTrailingSeparators) {
  // "表" ends in the byte of a backslash, which separates nothing.
  struct RootCase { const char* path; bool root; };
  for (const RootCase& c : {RootCase{"\\", true}, {"D:\\", true}, {"D:", false}, {"D:\\logs", false},
                            {"", false}, {"表", false}}) {
    EXPECT_EQ(IsRootLogPath(c.path), c.root) << c.path;
  }
  struct TrimCase { const char* dir; const char* trimmed; };
  for (const TrimCase& c : {TrimCase{"D:\\", "D:"}, {"\\", ""}, {"logs\\\\", "logs"}, {"logs", "logs"},
                            {"ログ表", "ログ表"}, {"ログ表\\", "ログ表"}}) {
    EXPECT_EQ(TrimTrailingSeparators(c.dir), c.trimmed) << c.dir;
  }
  struct LevelCase { const char* path; std::vector<std::string> levels; };
  const LevelCase levels[] = {
      {"logs", {"logs"}},
      {"a\\表\\b", {"a", "a\\表", "a\\表\\b"}},
      {"\\a\\b", {"\\a", "\\a\\b"}},
      {"D:\\a\\", {"D:", "D:\\a", "D:\\a\\"}},
  };
  for (const LevelCase& c : levels) {
    std::vector<std::string> got;
    for (const CString& level : PathLevels(c.path)) got.push_back(level.str());
    EXPECT_EQ(got, c.levels) << c.path;
  }
}

plat::LocalTime Time(int year, int month, int day, int hour, int minute, int second, int ms) {
  return {year, month, 0, day, hour, minute, second, ms};
}

TEST(LogRecord, HasTheFixedLayout) {
  struct Case { std::uint16_t counter; plat::LocalTime time; std::string text; std::string line; };
  const Case cases[] = {
      {0, Time(2026, 12, 6, 9, 15, 2, 31), "TAVO Ver.1.1.0 log pfile",
       "0000000000 0000 2026/12/06 09:15:02.031 TAVO Ver.1.1.0 log pfile\r\n"},
      {1, Time(2026, 1, 2, 23, 5, 9, 7), "Process Start", "0000000000 0001 2026/01/02 23:05:09.007 Process Start\r\n"},
      {0xABCD, Time(999, 9, 9, 0, 0, 0, 999), "", "0000000000 ABCD 0999/09/09 00:00:00.999 \r\n"},
      {0, Time(2026, 1, 1, 0, 0, 0, 0), std::string(250, 'x'),
       "0000000000 0000 2026/01/01 00:00:00.000 " + std::string(199, 'x') + "\r\n"},
      {0, Time(2026, 1, 1, 0, 0, 0, 0), std::string(198, 'x') + "表",
       "0000000000 0000 2026/01/01 00:00:00.000 " + std::string(198, 'x') + "\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatLogRecord(c.counter, c.time, c.text), c.line);
}

}  // namespace
