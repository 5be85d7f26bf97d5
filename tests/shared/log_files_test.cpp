// The log start-up on a real directory: old files deleted by the date in their
// names, new files numbered and written, the log directory created or given up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "log/delete_old_logs.h"
#include "log/log_directory.h"
#include "log/start_log.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

struct DeletionCase {
  const char* name;
  CalendarDate today;
  std::vector<std::string> deleted;
  std::vector<std::string> kept;
};

TEST(LogDeletion, DeletesOnlyTheToolsFilesOutsideTheWindow) {
  const DeletionCase cases[] = {
      {"age 10 on 5 March 2026", {2026, 3, 5},
       {"L0131000.txt", "E0201003.txt", "L0223000.txt", "E0306000.txt", "L0331001.txt", "E0415000.txt",
        "L1231000.txt", "l0102000.TXT"},
       {"L0224000.txt", "E0228000.txt", "L0301000.txt", "E0305002.txt", "a01notes.txt", "X0101000.txt",
        "L0101000.csv", "L01010000.txt", "L0101000.txt.bak", "L1399000.txt"}},
      {"age 10 on 5 January 2026", {2026, 1, 5},
       {"L1201000.txt", "E1226000.txt", "L0201000.txt", "E1130000.txt", "L0106000.txt", "E0131000.txt"},
       {"L1227000.txt", "E1231000.txt", "L0101000.txt", "E0105000.txt", "a12notes.txt"}},
      {"age 10 on 5 March 2024", {2024, 3, 5},
       {"L0224000.txt", "L0131000.txt", "E0306000.txt"},
       {"L0225000.txt", "E0229000.txt", "L0305000.txt"}},
      {"age 10 on 20 March 2026", {2026, 3, 20},
       {"L0310000.txt", "L0321000.txt", "E0219000.txt", "L0401000.txt"},
       {"L0311000.txt", "E0320000.txt"}},
  };
  for (const DeletionCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempCurrentDir dir;
    for (const auto& name : c.deleted) dir.Write(name, "x");
    for (const auto& name : c.kept) dir.Write(name, "x");
    LogDeletion result = DeleteOldLogFiles(dir.path().string(), c.today, 10);
    for (const auto& name : c.deleted) EXPECT_FALSE(fs::exists(dir.path() / name)) << name;
    for (const auto& name : c.kept) EXPECT_TRUE(fs::exists(dir.path() / name)) << name;
    EXPECT_EQ(result.deleted, static_cast<int>(c.deleted.size()));
    EXPECT_EQ(result.skipped, 0);
  }
}

TEST(LogDeletion, SkipsWhatCannotBeDeleted) {
  TempCurrentDir dir;
  fs::create_directory(dir.path() / "L0101000.txt");
  dir.Write("E0101000.txt", "read-only");
  fs::permissions(dir.path() / "E0101000.txt", fs::perms::owner_write | fs::perms::group_write |
                  fs::perms::others_write, fs::perm_options::remove);
  dir.Write("L0102000.txt", "x");
  LogDeletion result = DeleteOldLogFiles(dir.path().string(), {2026, 3, 5}, 10);
  EXPECT_EQ(result.deleted, 1);
  EXPECT_EQ(result.skipped, 2);
  EXPECT_TRUE(fs::is_directory(dir.path() / "L0101000.txt"));
  EXPECT_TRUE(fs::exists(dir.path() / "E0101000.txt"));
  fs::permissions(dir.path() / "E0101000.txt", fs::perms::owner_write, fs::perm_options::add);
}

TEST(LogDirectory, CreatesMissingLevelsOrFails) {
  TempCurrentDir dir;
  fs::create_directory(dir.path() / "existing");
  dir.Write("afile", "x");
  struct Case { const char* path; bool ok; };
  const Case cases[] = {{"existing\\new\\deeper", true}, {"existing", true}, {"ログ表\\下", true},
                        {"", false}, {"afile", false}, {"afile\\sub", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(EnsureLogDirectory(c.path), c.ok) << c.path;
    if (c.ok) {
      EXPECT_TRUE(plat::IsDirectory(c.path)) << c.path;
    }
  }
  const std::string absolute = (dir.path() / "absolute" / "below").string();
  EXPECT_TRUE(EnsureLogDirectory(absolute));
  EXPECT_TRUE(fs::is_directory(absolute));
}

// 6 December 2026, 09:15:02.031, and from the `switchAt`th reading on, the next day.
LogClock ClockOf(int switchAt = 1000) {
  auto readings = std::make_shared<int>(0);
  return [readings, switchAt]() -> plat::LocalTime {
    return ++*readings < switchAt ? plat::LocalTime{2026, 12, 0, 6, 9, 15, 2, 31}
                                  : plat::LocalTime{2026, 12, 1, 7, 0, 0, 0, 5};
  };
}

const char kSwitchedOn[] = "[TAVO]\r\nLogPath=%s\r\n[LogOut]\r\nLogOutSwitch=1\r\n";

std::string Settings(const std::string& logPath) {
  char text[256];
  std::snprintf(text, sizeof text, kSwitchedOn, logPath.c_str());
  return text;
}

std::string Records(const char* kind) {
  return std::string("0000000000 0000 2026/12/06 09:15:02.031 TAVO Ver.1.1.0 ") + kind +
         " pfile\r\n0000000000 0001 2026/12/06 09:15:02.031 Process Start\r\n";
}

TEST(LogStartUp, WritesTwoRecordsPerKindInTheSettledDirectory) {
  struct Case { const char* logPath; const char* used; };
  const Case cases[] = {{"logs\\today", "logs/today"}, {"", "."}, {"afile\\x", "."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.logPath);
    TempCurrentDir dir;
    fs::create_directory(dir.path() / "logs");
    dir.Write("afile", "x");
    dir.Write("SETTING.ini", Settings(c.logPath));
    StartLog(ClockOf());
    const fs::path used = dir.path() / c.used;
    EXPECT_EQ(FileBytes(used / "L1206000.txt"), Records("log"));
    EXPECT_EQ(FileBytes(used / "E1206000.txt"), Records("error"));
    EXPECT_TRUE(TheLogState().usable);
  }
}

TEST(LogStartUp, NumbersEachStartOfTheDay) {
  TempCurrentDir dir;
  dir.Write("SETTING.ini", Settings(""));
  const char* expected[] = {"000", "001", "002"};
  for (const char* sequence : expected) {
    StartLog(ClockOf());
    EXPECT_TRUE(fs::exists(dir.path() / ("L1206" + std::string(sequence) + ".txt"))) << sequence;
    EXPECT_TRUE(fs::exists(dir.path() / ("E1206" + std::string(sequence) + ".txt"))) << sequence;
  }
  for (int n = 3; n <= 4; ++n) dir.Write("L120600" + std::to_string(n) + ".txt", "x");
  StartLog(ClockOf());
  EXPECT_TRUE(fs::exists(dir.path() / "L1206005.txt"));
  EXPECT_TRUE(fs::exists(dir.path() / "E1206003.txt"));
}

TEST(LogStartUp, AFullDayWritesNumberZeroAgain) {
  TempCurrentDir dir;
  dir.Write("SETTING.ini", Settings(""));
  char name[16];
  for (int n = 0; n <= 999; ++n) {
    std::snprintf(name, sizeof name, "L1206%03d.txt", n);
    dir.Write(name, "old");
  }
  StartLog(ClockOf());
  EXPECT_EQ(FileBytes(dir.path() / "L1206000.txt"), Records("log"));
  EXPECT_EQ(FileBytes(dir.path() / "L1206999.txt"), "old");
}

TEST(LogStartUp, AfterMidnightNamesTheFilesForTheNewDay) {
  TempCurrentDir dir;
  dir.Write("SETTING.ini", Settings(""));
  dir.Write("L1206000.txt", "numbered for the day before");
  StartLog(ClockOf(2));
  EXPECT_EQ(FileBytes(dir.path() / "L1206000.txt"), "numbered for the day before");
  EXPECT_EQ(FileBytes(dir.path() / "L1207000.txt").substr(0, 40), "0000000000 0000 2026/12/07 00:00:00.005 ");
  EXPECT_TRUE(fs::exists(dir.path() / "E1207000.txt"));
}

TEST(LogStartUp, SwitchedOffOnlyDeletesOldFiles) {
  TempCurrentDir dir;
  const char* before[] = {"L1120000.txt", "E1205000.txt", "a11notes.txt", "L1120000.csv"};
  for (const char* name : before) dir.Write(name, "x");
  StartLog(ClockOf());
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir.path())) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"E1205000.txt", "L1120000.csv", "a11notes.txt"}));
}

}  // namespace
