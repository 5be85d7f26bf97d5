// A current directory that no longer exists: the line settings cannot be
// read, the user is told, and the settings are left as they were.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include <string>
#include <vector>

#include "config/comm_settings.h"

namespace {
std::vector<std::string> g_told;
void Record(const char* message, const char* caption) { g_told.push_back(std::string(caption) + ": " + message); }
}  // namespace

TEST(CommSettings, AVanishedCurrentDirectoryIsReported) {
  namespace fs = std::filesystem;
  fs::path previous = fs::current_path();
  fs::path gone = fs::temp_directory_path() / ("tavo_gone_" + std::to_string(getpid()));
  fs::create_directories(gone);
  fs::current_path(gone);
  fs::remove(gone);

  g_told.clear();
  SetCommSettingsTeller(&Record);
  CommSettings ini;
  ini.BaudRate = 1234;
  int result = ReadCommSettings(ini);
  fs::current_path(previous);
  SetCommSettingsTeller(nullptr);

  EXPECT_EQ(result, -1);
  EXPECT_EQ(ini.BaudRate, 1234);
  EXPECT_EQ(ini.TimeOut, 0);
  EXPECT_EQ(g_told, std::vector<std::string>{"TAVO: パラメータディレクトリの取得に失敗しました"});
}
