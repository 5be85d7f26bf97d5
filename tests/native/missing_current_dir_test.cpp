// A current directory that no longer exists: the line settings cannot be
// read, the user is told (TAVO.exe in a box of no owner), and the settings
// are left as they were.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/tavo_dlg.h"
#include "config/comm_settings.h"
#include "support/message_boxes.h"

namespace {

std::vector<std::string> g_told;
void Record(const char* message, const char* caption) { g_told.push_back(std::string(caption) + ": " + message); }

// ReadCommSettings with a current directory that is gone.
int ReadInVanishedDirectory(CommSettings& ini) {
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  const fs::path gone = fs::temp_directory_path() / ("tavo_gone_" + std::to_string(getpid()));
  fs::create_directories(gone);
  fs::current_path(gone);
  fs::remove(gone);
  const int result = ReadCommSettings(ini);
  fs::current_path(previous);
  return result;
}

}  // namespace

TEST(CommSettings, AVanishedCurrentDirectoryIsReported) {
  g_told.clear();
  SetCommSettingsTeller(&Record);
  CommSettings ini;
  ini.BaudRate = 1234;
  const int result = ReadInVanishedDirectory(ini);
  SetCommSettingsTeller(nullptr);

  EXPECT_EQ(result, -1);
  EXPECT_EQ(ini.BaudRate, 1234);
  EXPECT_EQ(ini.TimeOut, 0);
  EXPECT_EQ(g_told, std::vector<std::string>{"TAVO: パラメータディレクトリの取得に失敗しました"});
}

TEST(CommSettings, TheMainDialogTellsItInABoxOfNoOwner) {
  CTAVODlg dlg;
  MessageBoxRecorder boxes;
  CommSettings ini;
  EXPECT_EQ(ReadInVanishedDirectory(ini), -1);
  SetCommSettingsTeller(nullptr);

  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "パラメータディレクトリの取得に失敗しました");
  EXPECT_EQ(boxes.boxes[0].caption, "TAVO");
  EXPECT_EQ(boxes.boxes[0].type, fw::kMbOk);
  EXPECT_EQ(boxes.boxes[0].ownerTemplate, 0);
}
