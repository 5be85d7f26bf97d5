// A current directory that no longer exists: the line settings cannot be
// read, the user is told, and the settings are left as they were.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "config/comm_settings.h"
#include "support/message_boxes.h"

TEST(CommSettings, AVanishedCurrentDirectoryIsReported) {
  namespace fs = std::filesystem;
  fs::path previous = fs::current_path();
  fs::path gone = fs::temp_directory_path() / ("tavo_gone_" + std::to_string(getpid()));
  fs::create_directories(gone);
  fs::current_path(gone);
  fs::remove(gone);

  MessageBoxRecorder boxes;
  CommSettings ini;
  ini.BaudRate = 1234;
  int result = ReadCommSettings(ini);
  fs::current_path(previous);

  EXPECT_EQ(result, -1);
  EXPECT_EQ(ini.BaudRate, 1234);
  EXPECT_EQ(ini.TimeOut, 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "パラメータディレクトリの取得に失敗しました");
  EXPECT_EQ(boxes.boxes[0].caption, "TAVO");
  EXPECT_EQ(boxes.boxes[0].type, fw::kMbOk);
  EXPECT_EQ(boxes.boxes[0].ownerTemplate, 0);
}
